#include "TagList.h"

#include "Corvane.h"

TagList::TagList (TagGrit& g, int c)
    : grid (g),
      library (g.getLibrary()),
      column (c),
      checkedTags (&g.getCheckedTags())
{
}

TagList::~TagList()
{
    masterReference.clear();
}

void TagList::fill (int newColumn)
{
    clearQuick();
    column = newColumn;

    for (auto* tag : library.getTags())
    {
        if (tag->getColumn() == column)
        {
            add (tag);
            sendChangeMessage();
        }
    }
}

int TagList::getNumRows() const
{
    return grid.getRows();
}
