#include "MoveListItem.h"

#include "List.h"
#include "ListItem.h"
#include "shell/history/QwelHistory.h"

MoveListItem::MoveListItem (ListItem* itemToMove, List* target, QwelHistory* undoHistory, int index)
    : item (itemToMove),
      targetList (target),
      hadTargetList (target != nullptr),
      targetIndex (index),
      history (undoHistory)
{
    auto* current = itemToMove != nullptr ? itemToMove->getList() : nullptr;

    if (current != nullptr)
    {
        sourceList = current;
        sourceIndex = current->indexOf (itemToMove);
    }
    else if (undoHistory != nullptr)
    {
        sourceList = &undoHistory->getTrashList();
    }

    hadSourceList = sourceList != nullptr;
}

MoveListItem::~MoveListItem() = default;

bool MoveListItem::perform()
{
    return moveItem (targetList, hadTargetList, targetIndex);
}

bool MoveListItem::undo()
{
    return moveItem (sourceList, hadSourceList, sourceIndex);
}

bool MoveListItem::moveItem (const juce::WeakReference<List>& destination, bool hadDestination, int index)
{
    auto* movedItem = item.get();
    if (movedItem == nullptr)
        return false;

    // Moving into a list that has been deleted would leave the item without an owner; it
    // stays where it is instead.
    if (hadDestination && destination == nullptr)
        return false;

    movedItem->moveTo (destination.get(), index, false, history.get());
    return true;
}
