#pragma once

class ListItem;

// Creates list items of one kind.
class ListItemFactory
{
public:
    virtual ~ListItemFactory() = default;
    // The caller owns the new item; null when the kind is unknown.
    virtual ListItem* createListItem (int kind) = 0;
};
