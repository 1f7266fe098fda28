#pragma once

#include <juce_core/juce_core.h>

// What the library knows about one kind of file: the type name that the `type` column holds
// (the name its audio format reports) and the name of its icon.
class TaggedItemTypeDescriptor
{
public:
    virtual ~TaggedItemTypeDescriptor() = default;
    virtual juce::String getTypeName() const = 0;
    virtual juce::String getIconName() const = 0;
};
