#pragma once

#include "SelectedTaggedItems.h"

#include <juce_gui_basics/juce_gui_basics.h>

class Corvane;
class TaggedItem;

// The result list: the items of the current search in the order they were found, their
// selection, and the thread that runs the search on its own connection. The item list is
// filled by the search thread and read on the message thread; itemLock guards both sides.
// An item is handed to the list only once its row is complete, so the search thread never
// touches an item the message thread can see.
class Results : public juce::ListBoxModel,
                public juce::ChangeBroadcaster,
                public juce::Thread
{
public:
    explicit Results (Corvane& library);
    ~Results() override;

    // Stops a running search, clears the list, copies the checked tags and starts anew. The
    // statement is built here, on the message thread, from the filter state of the library.
    void restartSearch();
    // Asks the search to stop and waits until it has. A running SQLite step is interrupted,
    // so the wait is short; a search is never killed, since a thread killed in the middle of
    // SQLite takes the process down. The argument is kept for callers that name a patience.
    void stopSearch (int patienceMs = -1);
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
    // The statement of the last search that was started, and how many were started.
    const juce::String& getSearchStatement() const noexcept { return statement; }
    int getSearchCount() const noexcept { return searchCount; }
    // Counts the selection changes made by clicks, so that a listener can tell them apart from
    // the arrival of rows, which sends the same change message.
    int getSelectionCount() const noexcept { return selectionCount; }

    // After a search has delivered all its rows: per tag id, how many of the listed files carry
    // it (0 for files without tags), as the count statement would answer for the same filter.
    // False while a search runs, after it failed or was stopped, and after a clear.
    bool copySearchCounts (juce::HashMap<int, int>& counts) const;
    bool isSearchComplete() const;
    // True when the last search started ran with this filter, name pattern and these tags.
    bool searchedFor (const juce::String& filter, const juce::String& pattern, juce::Array<int> tags) const;
    // The modifier keys of the last click: the selection is announced later, when the keys
    // may have been let go.
    juce::ModifierKeys getLastClickModifiers() const noexcept { return lastClickModifiers; }

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
    // Hands finished items to the list; empties the batch.
    void publish (juce::Array<TaggedItem*>& batch);

    // The rating of a row as an item holds it: unrated rows (NULL, 0 or the column default
    // below zero) read as 0.
    static double ratingOf (double stored, bool isNull) noexcept;

    Corvane& library;
    juce::Array<int> searchTags;
    juce::String statement, namePattern, searchFilter;
    juce::Array<int> sortedSearchTags;
    juce::File databaseFile;
    juce::WeakReference<Corvane> libraryReference;
    int searchCount = 0, selectionCount = 0;
    juce::ModifierKeys lastClickModifiers;
    juce::OwnedArray<TaggedItem> items;
    juce::HashMap<int, TaggedItem*> itemMap { 101 };
    juce::SparseSet<int> selectedRows;
    int lastClickedRow = -1;
    SelectedTaggedItems selectedItems;
    juce::HashMap<int, int> searchCounts;
    bool searchCountsReady = false;
    juce::CriticalSection itemLock;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Results)
    JUCE_DECLARE_NON_COPYABLE (Results)
};
