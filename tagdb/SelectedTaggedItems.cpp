#include "SelectedTaggedItems.h"

void SelectedTaggedItems::addToSelection (TaggedItem* item)
{
    if (item == nullptr || ! lookup.insert (item).second)
        return;

    items.add (item);
    sendChangeMessage();
}

void SelectedTaggedItems::deselectAll()
{
    if (items.isEmpty())
        return;

    items.clear();
    lookup.clear();
    sendChangeMessage();
}

void SelectedTaggedItems::setSelection (const juce::Array<TaggedItem*>& newItems)
{
    if (items.isEmpty() && newItems.isEmpty())
        return;

    items.clearQuick();
    lookup.clear();
    lookup.reserve ((size_t) newItems.size());

    for (auto* item : newItems)
        if (item != nullptr && lookup.insert (item).second)
            items.add (item);

    sendChangeMessage();
}
