#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class Corvane;
class Tag;
class TagGrit;

// The tags of one grid column, in the collection's order; it does not own them.
class TagList : public juce::Array<Tag*>,
                public juce::ChangeBroadcaster
{
public:
    TagList (TagGrit& grid, int column);
    ~TagList() override;

    void fill (int column);
    int getColumn() const noexcept { return column; }
    // The grid's row count: every column shows as many rows, filled or not.
    int getNumRows() const;

private:
    TagGrit& grid;
    Corvane& library;
    int column;
    juce::SelectedItemSet<int>* checkedTags;

    JUCE_DECLARE_WEAK_REFERENCEABLE (TagList)
    JUCE_DECLARE_NON_COPYABLE (TagList)
};
