#include "Tag.h"

#include "Corvane.h"
#include "SQLLiteDB.h"
#include "SQLLiteStatement.h"
#include "TaggedItem.h"
#include "framework/look/PlinthLook.h"
#include "shell/history/QwelHistory.h"

#include <memory>

namespace
{
void performChange (QwelHistory* history, juce::UndoableAction* action)
{
    if (history != nullptr)
    {
        history->perform (action);
        return;
    }

    std::unique_ptr<juce::UndoableAction> owned (action);
    owned->perform();
}
} // namespace

Tag::Tag (Corvane* owner, int tagId, int tagColumn, const juce::String& tagName, int tagSort)
    : SimpleNamableObject (tagName),
      library (owner),
      grid (owner != nullptr ? &owner->getGrid() : nullptr),
      id (tagId),
      column (tagColumn),
      sort (tagSort)
{
}

Tag::Tag (const Tag& other)
    : juce::TreeViewItem(),
      CopyableObject<Tag>(),
      juce::Timer(),
      SimpleNamableObject (other.getName()),
      DraggableObject(),
      library (other.library),
      grid (other.grid),
      id (other.id),
      column (other.column),
      sort (other.sort)
{
}

Tag::~Tag()
{
    masterReference.clear();
}

void Tag::assign (const Tag& other)
{
    library = other.library;
    grid = other.grid;
    id = other.id;
    column = other.column;
    sort = other.sort;
    setName (other.getName(), true);
    setSelected (isChecked(), false, juce::dontSendNotification);
}

bool Tag::store() const
{
    if (library == nullptr)
        return false;

    SQLLiteStatement statement ("UPDATE tags SET name=?,col=?,sort=? WHERE id=?", &library->getDatabase());
    statement.execute ({ getName(), column, sort, id });
    return statement.commit();
}

bool Tag::isChecked() const
{
    return grid != nullptr && grid->getCheckedTags().isSelected (id);
}

void Tag::itemSelectionChanged (bool isNowSelected)
{
    if (grid != nullptr)
    {
        auto& checked = grid->getCheckedTags();

        if (isNowSelected)
            checked.addToSelection (id);
        else
            checked.deselect (id);
    }

    sendChangeMessage();
}

int Tag::getCount() const
{
    return grid != nullptr ? grid->getFilteredCounts()[id] : 0;
}

int Tag::getTotalCount() const
{
    return grid != nullptr ? grid->getTotalCounts()[id] : 0;
}

juce::String Tag::getCheckState() const
{
    if (library == nullptr)
        return "empty";

    const auto selectedItems = library->getResults().getSelectedItems();
    int carrying = 0;

    for (auto* item : selectedItems)
        if (item->getTags().contains (id))
            ++carrying;

    if (carrying == 0)
        return "empty";

    return carrying == selectedItems.size() ? "checked" : "semiChecked";
}

void Tag::toggleOnSelection()
{
    if (library == nullptr)
        return;

    const auto selectedItems = library->getResults().getSelectedItems();
    juce::Array<int> ids;

    for (auto* item : selectedItems)
        ids.add (item->getId());

    if (! selectedItems.isEmpty() && getCheckState() == "checked")
    {
        library->removeTagFromFiles (ids, id);

        for (auto* item : selectedItems)
            item->getTags().removeAllInstancesOf (id);
    }
    else
    {
        library->addTagToFiles (ids, id);

        for (auto* item : selectedItems)
            item->getTags().addIfNotAlreadyThere (id);
    }

    sendChangeMessage();
}

int Tag::getItemHeight() const
{
    return PlinthLook::controlSize;
}

void Tag::renameWithUndo (Tag& tag, const juce::String& newName, QwelHistory* history)
{
    if (history != nullptr)
        history->beginNewTransaction ("rename tag");

    Tag renamed (tag);
    renamed.setName (newName);
    performChange (history, new UndoableChange (tag, renamed));
}

void Tag::flipWithUndo (Tag& target, Tag& dropped, QwelHistory* history)
{
    if (&target == &dropped || target.getId() == dropped.getId())
        return;

    if (history != nullptr)
        history->beginNewTransaction ("flip tags");

    // Each cell keeps its place and takes the other row; the rows exchange their stored
    // places, so that the flip survives a reload.
    Tag targetPlace (target);
    Tag droppedPlace (dropped);

    Tag droppedIntoTarget (dropped);
    droppedIntoTarget.setColumn (targetPlace.getColumn());
    droppedIntoTarget.setSort (targetPlace.getSort());

    Tag targetIntoDropped (targetPlace);
    targetIntoDropped.setColumn (droppedPlace.getColumn());
    targetIntoDropped.setSort (droppedPlace.getSort());

    performChange (history, new UndoableChange (target, droppedIntoTarget));
    performChange (history, new UndoableChange (dropped, targetIntoDropped));
}

Tag::UndoableChange::UndoableChange (Tag& liveTag, const Tag& newState)
    : live (&liveTag),
      before (std::make_unique<Tag> (liveTag)),
      after (std::make_unique<Tag> (newState))
{
}

Tag::UndoableChange::~UndoableChange() = default;

bool Tag::UndoableChange::perform()
{
    apply (*after);
    return true;
}

bool Tag::UndoableChange::undo()
{
    apply (*before);
    return true;
}

void Tag::UndoableChange::apply (const Tag& state)
{
    if (auto* tag = live.get())
    {
        tag->assign (state);
        tag->store();
        return;
    }

    state.store();

    if (auto* owner = state.getLibrary())
        owner->reloadTags();
}
