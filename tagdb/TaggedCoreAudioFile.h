#pragma once

#include "TaggedItemTypeDescriptor.h"

// Files that macOS's Core Audio reads.
class TaggedCoreAudioFile : public TaggedItemTypeDescriptor
{
public:
    juce::String getTypeName() const override { return "CoreAudio supported file"; }
    juce::String getIconName() const override { return "mac"; }
};
