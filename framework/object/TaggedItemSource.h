#pragma once

#include <juce_core/juce_core.h>

class TaggedItem;

// An object that stands for a library item.
class TaggedItemSource
{
public:
    virtual ~TaggedItemSource() = default;
    virtual TaggedItem* getTaggedItem() = 0;

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (TaggedItemSource)
};

// An object that is handed library items to handle (the preview player, audio items).
class TaggedItemHandler
{
public:
    virtual ~TaggedItemHandler() = default;
    // Takes ownership of the item.
    virtual bool handleTaggedItem (TaggedItem* item, bool shouldStart) = 0;
    virtual bool canHandleTaggedItem (const TaggedItem& item) = 0;

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (TaggedItemHandler)
};
