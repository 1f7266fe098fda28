#pragma once

#include "TaggedItemTypeDescriptor.h"

// WAV files.
class TaggedWAVFile : public TaggedItemTypeDescriptor
{
public:
    juce::String getTypeName() const override { return "WAV file"; }
    juce::String getIconName() const override { return "wav"; }
};
