#include "List.h"

#include "ListItem.h"
#include "ListItemFactory.h"
#include "shell/history/QwelHistory.h"

List::~List() = default;

QwelHistory* List::getHistory() const
{
    return history.get();
}

void List::setHistory (QwelHistory* newHistory)
{
    history = newHistory;
}

ListItem* List::createNewItem (QwelHistory* undoHistory)
{
    if (factory == nullptr)
        return nullptr;

    std::unique_ptr<ListItem> item (factory->createListItem (0));
    if (item == nullptr)
        return nullptr;

    item->moveTo (this, -1, true, undoHistory);

    // An item that did not arrive has no owner.
    if (item->getList() != this)
        return nullptr;

    return item.release();
}

int List::indexOf (const ListItem* item) const
{
    for (int i = size(); --i >= 0;)
        if (getItem (i) == item)
            return i;

    return 0;
}
