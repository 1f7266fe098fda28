#pragma once

#include <juce_core/juce_core.h>

class PresetListBase;
class QwelHistory;

// Receives presets applied by a preset list.
class PresetListListener
{
public:
    virtual ~PresetListListener() = default;
    virtual void presetLoaded (PresetListBase* source, const juce::XmlElement& preset, QwelHistory* history) = 0;
    virtual bool acceptsPresets() { return true; }
};
