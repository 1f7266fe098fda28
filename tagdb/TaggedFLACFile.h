#pragma once

#include "TaggedItemTypeDescriptor.h"

// FLAC files.
class TaggedFLACFile : public TaggedItemTypeDescriptor
{
public:
    juce::String getTypeName() const override { return "FLAC file"; }
    juce::String getIconName() const override { return "flac"; }
};
