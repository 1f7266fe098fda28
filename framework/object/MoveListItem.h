#pragma once

#include <juce_data_structures/juce_data_structures.h>

class List;
class ListItem;
class QwelHistory;

// The undo record of one move of a list item. It holds everything weakly: once the item is
// deleted, perform and undo do nothing and answer false.
class MoveListItem : public juce::UndoableAction
{
public:
    // Captures the item's current list and index; an item in no list comes from the
    // history's trash list.
    MoveListItem (ListItem* item, List* target, QwelHistory* history, int targetIndex);
    ~MoveListItem() override;

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return 10; }
    juce::UndoableAction* createCoalescedAction (juce::UndoableAction*) override { return nullptr; }

private:
    bool moveItem (const juce::WeakReference<List>& destination, bool hadDestination, int index);

    juce::WeakReference<ListItem> item;
    juce::WeakReference<List> sourceList, targetList;
    bool hadSourceList = false, hadTargetList = false;
    int sourceIndex = -1, targetIndex = -1;
    juce::WeakReference<QwelHistory> history;

    JUCE_DECLARE_NON_COPYABLE (MoveListItem)
};
