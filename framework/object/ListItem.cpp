#include "ListItem.h"

#include "List.h"
#include "MoveListItem.h"
#include "TrashList.h"
#include "shell/history/QwelHistory.h"

ListItem::~ListItem()
{
    if (auto* current = list.get())
        current->removeItem (this);

    masterReference.clear();
}

QwelHistory* ListItem::getHistory() const
{
    if (auto* own = ownHistory.get())
        return own;

    if (auto* current = list.get())
        return current->getHistory();

    return nullptr;
}

List* ListItem::getList() const
{
    return list.get();
}

bool ListItem::remove (bool undoable, QwelHistory* history)
{
    if (history == nullptr)
        history = getHistory();

    if (history == nullptr)
        return false;

    return moveTo (&history->getTrashList(), -1, undoable, history);
}

bool ListItem::moveTo (List* target, int index, bool undoable, QwelHistory* history)
{
    if (undoable)
    {
        auto* undoHistory = history != nullptr ? history : getHistory();

        if (undoHistory != nullptr)
        {
            if (dynamic_cast<TrashList*> (target) != nullptr)
                aboutToBeTrashed (undoHistory);

            return undoHistory->perform (new MoveListItem (this, target, undoHistory, index));
        }
    }

    moveDirectly (target, index, undoable, history);
    return true;
}

void ListItem::moveDirectly (List* target, int index, bool undoable, QwelHistory* history)
{
    if (target != list.get())
        aboutToMove (target, index, undoable, history);

    // The hook may have moved the item itself.
    auto* current = list.get();

    const bool needed = target != current || (current != nullptr && current->indexOf (this) != index);

    if (needed)
    {
        if (current != nullptr)
            current->removeItem (this);

        list = target;

        if (target != nullptr)
        {
            if (target->getHistory() == nullptr && getHistory() != nullptr)
                target->setHistory (getHistory());
            else if (auto* targetHistory = target->getHistory())
                setHistory (targetHistory);

            target->insertItem (this, index);
        }

        listChanged (target);
    }

    if (dynamic_cast<TrashList*> (target) != nullptr)
        trashed (undoable, history);
}
