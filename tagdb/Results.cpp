#include "Results.h"

#include "Corvane.h"
#include "FileTagReader.h"
#include "SQLitePrepared.h"
#include "SearchConnection.h"
#include "SearchQuery.h"
#include "TagTally.h"
#include "TaggedItem.h"
#include "framework/object/ServiceLookup.h"

#include <sqlite3.h>

#include <string_view>

namespace
{
constexpr size_t maxBatchSize = 256;
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

    FileTagReader tagReader (connection.get(), databaseFile, *this, listsNewestFirst (searchFilter));
    // Per tag, the files of this search that carry it: the filtered counts, for free.
    TagTally counts;
    std::vector<std::string> typeBytes;
    int lastType = -1;
    int stepResult = SQLITE_DONE;
    bool tagsRead = true;
    int rowsPublished = 0;
    // The first row shows at once; later rows go to the list in batches, which spares the
    // lock and the message of every single row without holding rows back for long.
    Batch batch;
    auto lastFlush = juce::Time::getMillisecondCounter();

    while (! threadShouldExit() && (stepResult = select.step()) == SQLITE_ROW)
    {
        FoundFile file;
        file.id = select.getInt (0);
        file.rating = ratingOf (select.getDouble (1), select.isNull (1));

        // Rows of one type share one text.
        int typeLength = 0;
        const auto* typeText = select.getUtf8 (2, typeLength);
        const std::string_view type (typeText, (size_t) typeLength);
        // Most rows have the type of the row before.
        if (lastType < 0 || typeBytes[(size_t) lastType] != type)
        {
            lastType = -1;
            for (int i = (int) typeBytes.size(); --i >= 0 && lastType < 0;)
                if (typeBytes[(size_t) i] == type)
                    lastType = i;
        }

        file.type = lastType;

        if (file.type < 0)
        {
            file.type = lastType = (int) typeBytes.size();
            typeBytes.emplace_back (type);
            batch.types.add (select.getText (2));
        }

        file.firstTag = (int) batch.tags.size();
        if (! (tagsRead = tagReader.read (file.id, batch.tags)))
            break;

        // A file without tags counts as tag 0.
        if (batch.tags.size() == (size_t) file.firstTag)
            batch.tags.push_back (0);

        file.numTags = (int) batch.tags.size() - file.firstTag;

        for (auto i = (size_t) file.firstTag; i < batch.tags.size(); ++i)
            counts.add (batch.tags[i]);

        batch.files.push_back (file);

        // The clock is read every few rows only: a row takes well under a microsecond.
        if (batch.files.size() >= maxBatchSize || rowsPublished == 0
            || ((batch.files.size() & 15) == 0 && juce::Time::getMillisecondCounter() - lastFlush >= maxBatchDelayMs))
        {
            rowsPublished += (int) batch.files.size();
            publish (batch);
            lastFlush = juce::Time::getMillisecondCounter();
        }
    }

    if (threadShouldExit() || ! tagsRead || stepResult != SQLITE_DONE)
    {
        // Whoever waits for this search's counts learns that none come.
        if (! threadShouldExit())
            sendChangeMessage();
        return;
    }

    publish (batch);

    {
        const juce::ScopedLock sl (itemLock);
        counts.copyTo (searchCounts);
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

void Results::publish (Batch& batch)
{
    if (batch.files.empty())
        return;

    {
        const juce::ScopedLock sl (itemLock);

        // Type texts this search met since the last batch.
        for (auto i = batch.listedTypeOf.size(); i < (size_t) batch.types.size(); ++i)
        {
            const auto& type = batch.types[(int) i];
            auto index = foundTypes.indexOf (type);
            if (index < 0)
            {
                index = foundTypes.size();
                foundTypes.add (type);
            }
            batch.listedTypeOf.push_back (index);
        }

        const auto tagBase = (int) foundTags.size();
        foundTags.insert (foundTags.end(), batch.tags.begin(), batch.tags.end());

        for (auto file : batch.files)
        {
            file.firstTag += tagBase;
            file.type = batch.listedTypeOf[(size_t) file.type];
            found.push_back (file);
        }
    }

    batch.files.clear();
    batch.tags.clear();
    sendChangeMessage();
}

void Results::clearRows()
{
    items.clear();
    rowOfFile.clear();
    mappedRows = 0;
    // The storage goes too: a long list should not hold its memory while a short one shows.
    std::vector<FoundFile>().swap (found);
    std::vector<int>().swap (foundTags);
    foundTypes.clear();
}

void Results::clear()
{
    lastClickedRow = -1;
    selectedRows.clear();
    bringSelectedItemsInLine();

    const juce::ScopedLock sl (itemLock);
    clearRows();
    searchCountsReady = false;
}

void Results::add (TaggedItem* item, bool select)
{
    if (item == nullptr)
        return;

    {
        const juce::ScopedLock sl (itemLock);
        const auto row = rowOf (item->getId());

        if (row >= 0)
        {
            selectedItems.setSelection ({});
            placeItem (row, item);
        }
        else
        {
            auto type = foundTypes.indexOf (item->getType());
            if (type < 0)
            {
                type = foundTypes.size();
                foundTypes.add (item->getType());
            }

            const auto firstTag = (int) foundTags.size();
            for (auto tag : item->getTags())
                foundTags.push_back (tag);

            found.push_back ({ item->getId(), type, firstTag, item->getTags().size(), item->getQuality() });
            placeItem ((int) found.size() - 1, item);
        }
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

TaggedItem* Results::itemAt (int row) const
{
    if (row < 0 || (size_t) row >= found.size())
        return nullptr;

    if (auto* item = items[row])
        return item;

    const auto& file = found[(size_t) row];
    auto* item = new TaggedItem (&library, file.id, foundTypes[file.type], file.rating);
    item->getTags().addArray (foundTags.data() + file.firstTag, file.numTags);
    placeItem (row, item);
    return item;
}

void Results::placeItem (int row, TaggedItem* item) const
{
    // The item array grows only as far as items were asked for.
    while (items.size() <= row)
        items.add (nullptr);

    items.set (row, item, true);
}

int Results::rowOf (int fileId) const
{
    // Each file comes as one row; should one come twice, its first row stays.
    for (; mappedRows < found.size(); ++mappedRows)
        if (! rowOfFile.contains (found[mappedRows].id))
            rowOfFile.set (found[mappedRows].id, (int) mappedRows);

    return rowOfFile.contains (fileId) ? rowOfFile[fileId] : -1;
}

TaggedItem* Results::getItem (int row) const
{
    const juce::ScopedLock sl (itemLock);
    return itemAt (row);
}

TaggedItem* Results::findItem (int fileId) const
{
    const juce::ScopedLock sl (itemLock);
    return itemAt (rowOf (fileId));
}

int Results::getFileId (int row) const
{
    const juce::ScopedLock sl (itemLock);
    return row >= 0 && (size_t) row < found.size() ? found[(size_t) row].id : 0;
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
        if (auto* item = itemAt (selectedRows[i]))
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
    return (int) found.size();
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
            if (auto* item = itemAt (selectedRows[i]))
                selection.add (item);
    }

    selectedItems.setSelection (selection);
}
