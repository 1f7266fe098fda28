#pragma once

#include "SelectedTaggedItems.h"

#include <juce_gui_basics/juce_gui_basics.h>

class Corvane;
class TaggedItem;

// The result list: the items of the current search in the order they were found, their
// selection, and the thread that runs the search on its own connection. The item list is
// filled by the search thread and read on the message thread; itemLock guards both sides.
class Results : public juce::ListBoxModel,
                public juce::ChangeBroadcaster,
                public juce::Thread
{
public:
    explicit Results (Corvane& library);
    ~Results() override;

    // Stops a running search, clears the list, copies the checked tags and starts anew.
    void restartSearch();
    // Asks the search to stop and waits for it. A search is never killed: a thread killed in
    // the middle of SQLite takes the process down, so after the wait it is waited for further.
    void stopSearch (int patienceMs);
    void run() override;

    void clear();
    // Takes ownership of the item.
    void add (TaggedItem* item, bool select);
    void selectAll();

    TaggedItem* getCurrentItem() const;
    juce::Array<int> getSelectedIds() const;
    juce::Array<TaggedItem*> getSelectedItems() const;
    const SelectedTaggedItems& getSelectedItemSet() const noexcept { return selectedItems; }
    SelectedTaggedItems& getSelectedItemSet() noexcept { return selectedItems; }
    const juce::SparseSet<int>& getSelectedRows() const noexcept { return selectedRows; }

    TaggedItem* getItem (int row) const;
    TaggedItem* findItem (int fileId) const;
    const juce::Array<int>& getSearchTags() const noexcept { return searchTags; }

    // Marks the selected files deleted as one undoable step of the component's history.
    void deleteSelected (const juce::Component* component);

    // Row selection as a click with these modifier keys makes it.
    void selectRow (int row, juce::ModifierKeys modifiers);

    int getNumRows() override;
    void paintListBoxItem (int, juce::Graphics&, int, int, bool) override {}
    void listBoxItemClicked (int row, const juce::MouseEvent& event) override;
    void selectedRowsChanged (int lastRowSelected) override;

private:
    void bringSelectedItemsInLine();

    Corvane& library;
    juce::Array<int> searchTags;
    juce::OwnedArray<TaggedItem> items;
    juce::HashMap<int, TaggedItem*> itemMap { 101 };
    juce::SparseSet<int> selectedRows;
    int lastClickedRow = -1;
    SelectedTaggedItems selectedItems;
    juce::CriticalSection itemLock;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Results)
    JUCE_DECLARE_NON_COPYABLE (Results)
};
