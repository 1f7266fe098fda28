#pragma once

#include "NamableObject.h"
#include "Object.h"
#include "VirtualDragAndDropTarget.h"

class List;
class QwelHistory;

// A model object that knows the list it is in. It changes lists only through moveTo, which
// can record the move in an undo history; removing it moves it into the history's trash list,
// so that an undo brings back the very same object.
class ListItem : public VirtualDragAndDropTarget,
                 public virtual juce::ChangeBroadcaster,
                 public virtual NamableObject,
                 public Object
{
public:
    ListItem() = default;
    // An item still in a list leaves it, so that the list never holds a deleted item.
    ~ListItem() override;

    virtual void listChanged (List* newList) { juce::ignoreUnused (newList); }
    // Moves the item into the trash list of the history (its own when null); false when
    // there is no history at all.
    virtual bool remove (bool undoable, QwelHistory* history);
    virtual void trashed (bool undoable, QwelHistory* history) { juce::ignoreUnused (undoable, history); }
    virtual void aboutToBeTrashed (QwelHistory* history) { juce::ignoreUnused (history); }
    virtual void aboutToMove (List* target, int index, bool undoable, QwelHistory* history)
    {
        juce::ignoreUnused (target, index, undoable, history);
    }
    virtual void setHistory (QwelHistory* newHistory) { ownHistory = newHistory; }
    // The own history if set, else the list's, else null.
    virtual QwelHistory* getHistory() const;

    // Moves the item to the index of the target list (−1: at the end). Undoable moves are
    // recorded in the history (the argument, else the item's) and return what its perform
    // returns.
    bool moveTo (List* target, int index, bool undoable, QwelHistory* history);

    List* getList() const;

private:
    friend class List;
    void moveDirectly (List* target, int index, bool undoable, QwelHistory* history);

    juce::WeakReference<QwelHistory> ownHistory;
    juce::WeakReference<List> list;

    JUCE_DECLARE_WEAK_REFERENCEABLE (ListItem)
    JUCE_DECLARE_NON_COPYABLE (ListItem)
};
