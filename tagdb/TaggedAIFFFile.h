#pragma once

#include "TaggedItemTypeDescriptor.h"

// AIFF files.
class TaggedAIFFFile : public TaggedItemTypeDescriptor
{
public:
    juce::String getTypeName() const override { return "AIFF file"; }
    juce::String getIconName() const override { return "aiff"; }
};
