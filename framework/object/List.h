#pragma once

#include "LockSource.h"
#include "VirtualDragAndDropTarget.h"

#include <juce_gui_basics/juce_gui_basics.h>

class ListItem;
class ListItemFactory;
class QwelHistory;

// A model list of items. Items enter and leave it only through ListItem::moveTo.
// Runs on the message thread; the own lock is for readers on other threads that walk it.
class List : public virtual juce::ChangeBroadcaster,
             public VirtualDragAndDropTarget,
             public LockSource
{
public:
    explicit List (ListItemFactory* itemFactory = nullptr) : factory (itemFactory) {}
    ~List() override;

    virtual QwelHistory* getHistory() const;
    virtual void setHistory (QwelHistory* newHistory);
    virtual int size() const = 0;
    virtual ListItem* getItem (int index) const = 0;
    virtual ListItem* getLastItem() const { return getItem (size() - 1); }
    // A new item from the factory, moved to the end of this list as one undoable step.
    virtual ListItem* createNewItem (QwelHistory* history);
    // Searches from the end; an absent item answers 0.
    virtual int indexOf (const ListItem* item) const;
    juce::CriticalSection& getLock() override { return lock; }
    // Only ListItem::moveTo calls these two.
    virtual void removeItem (ListItem* item) = 0;
    virtual void insertItem (ListItem* item, int index) = 0;

    void setFactory (ListItemFactory* newFactory) noexcept { factory = newFactory; }
    juce::SelectedItemSet<ListItem*>& getSelection() noexcept { return selection; }

private:
    ListItemFactory* factory = nullptr;
    juce::SelectedItemSet<ListItem*> selection;
    juce::CriticalSection lock;
    juce::WeakReference<QwelHistory> history;

    JUCE_DECLARE_WEAK_REFERENCEABLE (List)
    JUCE_DECLARE_NON_COPYABLE (List)
};
