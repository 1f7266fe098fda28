#pragma once

#include "SelectedTaggedItems.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

class Corvane;
class TaggedItem;

// The result list: the files of the current search in the order they were found, their
// selection, and the thread that runs the search on its own connection. The search thread
// appends compact rows (id, rating, type, tag ids); the item of a row is made on the message
// thread when it is first asked for, so a list of a hundred thousand files costs a few
// megabytes and a restart frees only the items that were shown or selected. itemLock guards
// the rows and items against each other; items are only ever touched on the message thread.
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
    // Takes ownership of the item. An item for a file already listed takes that file's row.
    void add (TaggedItem* item, bool select);
    void selectAll();

    TaggedItem* getCurrentItem() const;
    juce::Array<int> getSelectedIds() const;
    juce::Array<TaggedItem*> getSelectedItems() const;
    const SelectedTaggedItems& getSelectedItemSet() const noexcept { return selectedItems; }
    SelectedTaggedItems& getSelectedItemSet() noexcept { return selectedItems; }
    const juce::SparseSet<int>& getSelectedRows() const noexcept { return selectedRows; }

    // The item of a row, made when first asked for; null beyond the list. Message thread only.
    TaggedItem* getItem (int row) const;
    TaggedItem* findItem (int fileId) const;
    // The file id of a row without making its item, 0 beyond the list.
    int getFileId (int row) const;
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
    // One listed file as the search found it.
    struct FoundFile
    {
        int id;
        int type;      // index into foundTypes
        int firstTag;  // index into foundTags
        int numTags;
        double rating;
    };

    // Rows the search thread has read but not yet handed to the list.
    struct Batch
    {
        std::vector<FoundFile> files;
        std::vector<int> tags;
        juce::StringArray types;         // every type text this search has met
        std::vector<int> listedTypeOf;   // per entry of types: its index in foundTypes
    };

    void bringSelectedItemsInLine();
    // Hands the batch's rows to the list; empties the batch.
    void publish (Batch& batch);
    // With itemLock held.
    TaggedItem* itemAt (int row) const;
    int rowOf (int fileId) const;
    void placeItem (int row, TaggedItem* item) const;
    void clearRows();

    // The rating of a row as an item holds it: unrated rows (NULL, 0 or the column default
    // below zero) read as 0.
    static double ratingOf (double stored, bool isNull) noexcept;

    Corvane& library;
    juce::Array<int> searchTags;
    juce::String statement, namePattern, searchFilter;
    juce::Array<int> sortedSearchTags;
    juce::File databaseFile;
    int searchCount = 0, selectionCount = 0;
    juce::ModifierKeys lastClickModifiers;
    std::vector<FoundFile> found;
    std::vector<int> foundTags;
    juce::StringArray foundTypes;
    // The items made so far, by row (null where none was asked for yet).
    mutable juce::OwnedArray<TaggedItem> items;
    // File id to row, extended over the rows found since it was last asked.
    mutable juce::HashMap<int, int> rowOfFile { 101 };
    mutable size_t mappedRows = 0;
    juce::SparseSet<int> selectedRows;
    int lastClickedRow = -1;
    SelectedTaggedItems selectedItems;
    juce::HashMap<int, int> searchCounts;
    bool searchCountsReady = false;
    juce::CriticalSection itemLock;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Results)
    JUCE_DECLARE_NON_COPYABLE (Results)
};
