#pragma once

#include "OwnedList.h"

// Where removed items wait, owned, for an undo that may bring them back. Whether a list is a
// trash list is told by its type alone.
class TrashList : public OwnedList<ListItem>
{
public:
    TrashList() = default;
    ~TrashList() override = default;

    // Deletes every item, from the last to the first.
    void clear() { deleteAllItems(); }
};
