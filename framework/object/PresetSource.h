#pragma once

#include <juce_core/juce_core.h>

class Preset;

// Makes presets from the current state.
class PresetSource
{
public:
    virtual ~PresetSource() = default;
    virtual Preset* createPreset() = 0;
    virtual juce::String getPresetSubfolder() { return {}; }
};
