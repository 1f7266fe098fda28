#include "Results.h"

#include "Corvane.h"
#include "TaggedItem.h"
#include "framework/object/ServiceLookup.h"

Results::Results (Corvane& owner)
    : juce::Thread ("corvaneresaultsthread"),
      library (owner)
{
}

Results::~Results()
{
    stopSearch (500);
    masterReference.clear();
}

void Results::stopSearch (int patienceMs)
{
    signalThreadShouldExit();

    if (! waitForThreadToExit (patienceMs))
        waitForThreadToExit (-1);
}

void Results::restartSearch()
{
    stopSearch (1000);
    clear();

    searchTags.clearQuick();
    for (auto id : library.getGrid().getCheckedTags().getItemArray())
        searchTags.add (id);

    startThread();
}

void Results::run()
{
    std::sort (searchTags.begin(), searchTags.end());
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
