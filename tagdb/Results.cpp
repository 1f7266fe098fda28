#include "Results.h"

#include "Corvane.h"
#include "SQLitePrepared.h"
#include "SearchConnection.h"
#include "SearchQuery.h"
#include "TaggedItem.h"
#include "framework/object/ServiceLookup.h"

#include <sqlite3.h>

#include <unordered_map>

namespace
{
constexpr int maxBatchSize = 256;
constexpr juce::uint32 maxBatchDelayMs = 5;
} // namespace

Results::Results (Corvane& owner)
    : juce::Thread ("corvaneresaultsthread"),
      library (owner)
{
}

Results::~Results()
{
    stopSearch();
    masterReference.clear();
}

void Results::stopSearch (int)
{
    // The progress and busy handlers of the search connection watch this flag, so even a long
    // step of SQLite ends within milliseconds and the wait below is short.
    signalThreadShouldExit();
    waitForThreadToExit (-1);
}

void Results::restartSearch()
{
    stopSearch();
    clear();

    searchTags.clearQuick();
    for (auto id : library.getGrid().getCheckedTags().getItemArray())
        searchTags.addIfNotAlreadyThere (id);

    // Everything the thread needs is copied here, so that it reads no state of the library.
    // The weak reference is made before the thread makes items that refer to the library.
    libraryReference = &library;
    const auto filter = library.buildFilter (true);
    searchFilter = filter;
    // The thread sorts searchTags itself; this copy is the message thread's.
    sortedSearchTags = searchTags;
    sortedSearchTags.sort();
    statement = buildItemQuery (library.getGrid().orderByRarity (searchTags), filter);
    namePattern = library.getNamePattern();
    databaseFile = library.getDatabase().getDatabaseFile();

    ++searchCount;
    startThread();
}

double Results::ratingOf (double stored, bool isNull) noexcept
{
    return isNull || ! std::isfinite (stored) ? 0.0 : juce::jlimit (0.0, 1.0, stored);
}

void Results::run()
{
    std::sort (searchTags.begin(), searchTags.end());
    sendChangeMessage();

    SearchConnection connection (*this);
    if (! connection.open (databaseFile))
    {
        sendChangeMessage();
        return;
    }

    SQLitePrepared select (connection.get(), statement);
    if (! select.isValid())
    {
        sendChangeMessage();
        return;
    }

    if (select.getParameterCount() > 0)
        select.bindText (1, namePattern);

    // Rows of one type share one text.
    juce::StringArray types;
    // Per tag, the files of this search that carry it: the filtered counts, for free.
    std::unordered_map<int, int> counts;
    int stepResult = SQLITE_DONE;
    // The first row shows at once; later rows go to the list in batches, which spares the
    // lock and the message of every single row without holding rows back for long.
    juce::Array<TaggedItem*> batch;
    auto lastFlush = juce::Time::getMillisecondCounter();

    while (! threadShouldExit() && (stepResult = select.step()) == SQLITE_ROW)
    {
        auto typeText = select.getText (3);
        const auto typeIndex = types.indexOf (typeText);
        if (typeIndex >= 0)
            typeText = types[typeIndex];
        else
            types.add (typeText);

        auto item = std::make_unique<TaggedItem> (&library, select.getInt (0), typeText,
                                                  ratingOf (select.getDouble (2), select.isNull (2)));

        // The tag ids of the file come as one list; a file without tags counts as tag 0.
        auto& tags = item->getTags();
        const auto tagList = select.getText (1);

        if (tagList.isEmpty())
        {
            tags.add (0);
        }
        else
        {
            auto text = tagList.getCharPointer();

            while (! text.isEmpty())
            {
                tags.add ((int) text.getIntValue32());
                while (! text.isEmpty() && *text != ',')
                    ++text;
                if (! text.isEmpty())
                    ++text;
            }
        }

        for (auto tag : tags)
            ++counts[tag];

        batch.add (item.release());

        if (batch.size() >= maxBatchSize || getNumRows() == 0
            || juce::Time::getMillisecondCounter() - lastFlush >= maxBatchDelayMs)
        {
            publish (batch);
            lastFlush = juce::Time::getMillisecondCounter();
        }
    }

    if (threadShouldExit() || stepResult != SQLITE_DONE)
    {
        for (auto* item : batch)
            delete item;

        // Whoever waits for this search's counts learns that none come.
        if (! threadShouldExit())
            sendChangeMessage();
        return;
    }

    publish (batch);

    {
        const juce::ScopedLock sl (itemLock);
        searchCounts.clear();
        for (auto& [tag, count] : counts)
            searchCounts.set (tag, count);
        searchCountsReady = true;
    }

    sendChangeMessage();
}

bool Results::copySearchCounts (juce::HashMap<int, int>& counts) const
{
    const juce::ScopedLock sl (itemLock);
    if (! searchCountsReady)
        return false;

    counts.clear();
    for (juce::HashMap<int, int>::Iterator i (searchCounts); i.next();)
        counts.set (i.getKey(), i.getValue());

    return true;
}

bool Results::searchedFor (const juce::String& filter, const juce::String& pattern, juce::Array<int> tags) const
{
    tags.sort();
    return filter == searchFilter && (! filter.contains ("?1") || pattern == namePattern) && tags == sortedSearchTags;
}

bool Results::isSearchComplete() const
{
    const juce::ScopedLock sl (itemLock);
    return searchCountsReady;
}

void Results::publish (juce::Array<TaggedItem*>& batch)
{
    if (batch.isEmpty())
        return;

    {
        const juce::ScopedLock sl (itemLock);

        for (auto* item : batch)
        {
            // Each file comes as one row; should one come twice, its first item stays.
            if (itemMap.contains (item->getId()))
            {
                delete item;
                continue;
            }

            items.add (item);
            itemMap.set (item->getId(), item);
        }
    }

    batch.clearQuick();
    sendChangeMessage();
}

void Results::clear()
{
    lastClickedRow = -1;
    selectedRows.clear();
    bringSelectedItemsInLine();

    const juce::ScopedLock sl (itemLock);
    itemMap.clear();
    items.clear();
    searchCountsReady = false;
}

void Results::add (TaggedItem* item, bool select)
{
    if (item == nullptr)
        return;

    {
        const juce::ScopedLock sl (itemLock);
        items.add (item);
        itemMap.set (item->getId(), item);
    }

    if (select)
        selectedItems.addToSelection (item);

    sendChangeMessage();
}

void Results::selectAll()
{
    selectedRows.clear();

    if (const auto numRows = getNumRows(); numRows > 0)
        selectedRows.addRange ({ 0, numRows });

    ++selectionCount;
    lastClickModifiers = {};
    sendChangeMessage();
    bringSelectedItemsInLine();
}

TaggedItem* Results::getItem (int row) const
{
    const juce::ScopedLock sl (itemLock);
    return items[row];
}

TaggedItem* Results::findItem (int fileId) const
{
    const juce::ScopedLock sl (itemLock);
    return itemMap[fileId];
}

TaggedItem* Results::getCurrentItem() const
{
    return lastClickedRow >= 0 ? getItem (lastClickedRow) : nullptr;
}

juce::Array<TaggedItem*> Results::getSelectedItems() const
{
    juce::Array<TaggedItem*> result;
    const juce::ScopedLock sl (itemLock);

    for (int i = selectedRows.size(); --i >= 0;)
        if (auto* item = items[selectedRows[i]])
            result.add (item);

    return result;
}

juce::Array<int> Results::getSelectedIds() const
{
    juce::Array<int> ids;

    for (auto* item : getSelectedItems())
        ids.add (item->getId());

    return ids;
}

void Results::deleteSelected (const juce::Component* component)
{
    const auto ids = getSelectedIds();
    if (ids.isEmpty())
        return;

    beginTransaction ("delete tagged items", component);
    performUndoable (new TaggedItem::UndoableDeleteAction (ids, &library), component);
}

int Results::getNumRows()
{
    const juce::ScopedLock sl (itemLock);
    return itemMap.size();
}

void Results::listBoxItemClicked (int row, const juce::MouseEvent& event)
{
    selectRow (row, event.mods);
}

void Results::selectedRowsChanged (int lastRowSelected)
{
    if (lastRowSelected < 0)
    {
        selectedRows.clear();
        bringSelectedItemsInLine();
        return;
    }

    selectRow (lastRowSelected, juce::ModifierKeys::getCurrentModifiers());
}

void Results::selectRow (int row, juce::ModifierKeys modifiers)
{
    if (! (modifiers.isShiftDown() || modifiers.isCtrlDown() || modifiers.isCommandDown()))
        selectedRows.clear();

    if (modifiers.isShiftDown() && lastClickedRow >= 0)
        selectedRows.addRange ({ juce::jmin (row, lastClickedRow), juce::jmax (row, lastClickedRow) + 1 });
    else if (selectedRows.contains (row))
        selectedRows.removeRange ({ row, row + 1 });
    else
        selectedRows.addRange ({ row, row + 1 });

    ++selectionCount;
    lastClickModifiers = modifiers;
    sendChangeMessage();
    lastClickedRow = row;
    bringSelectedItemsInLine();
}

void Results::bringSelectedItemsInLine()
{
    juce::Array<TaggedItem*> selection;

    {
        const juce::ScopedLock sl (itemLock);
        selection.ensureStorageAllocated (selectedRows.size());

        for (int i = selectedRows.size(); --i >= 0;)
            if (auto* item = items[selectedRows[i]])
                selection.add (item);
    }

    selectedItems.setSelection (selection);
}
