#pragma once

#include <juce_events/juce_events.h>

#include <unordered_set>

class TaggedItem;

// The selected result items, in selection order, announced on every change. Unlike
// juce::SelectedItemSet it finds an item in constant time, so that selecting a hundred
// thousand freshly added files stays linear.
class SelectedTaggedItems : public juce::ChangeBroadcaster
{
public:
    int getNumSelected() const noexcept { return items.size(); }
    TaggedItem* getSelectedItem (int index) const { return items[index]; }
    const juce::Array<TaggedItem*>& getItemArray() const noexcept { return items; }
    bool isSelected (TaggedItem* item) const { return lookup.count (item) != 0; }

    void addToSelection (TaggedItem* item);
    void deselectAll();
    // Replaces the selection with one change message.
    void setSelection (const juce::Array<TaggedItem*>& newItems);

private:
    juce::Array<TaggedItem*> items;
    std::unordered_set<TaggedItem*> lookup;
};
