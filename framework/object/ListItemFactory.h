#pragma once

class ListItem;

// Creates list items of one kind.
class ListItemFactory
{
public:
    virtual ~ListItemFactory() = default;
    virtual ListItem* createListItem() = 0;
};
