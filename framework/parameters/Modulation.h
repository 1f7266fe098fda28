#pragma once

#include "ModulationSource.h"

// A link from a modulation source to a target, with its depth. Holds the source weakly.
class Modulation
{
public:
    Modulation (ModulationSource* linkedSource, double linkDepth) : source (linkedSource), depth (linkDepth) {}

    ModulationSource* getSource() const { return source.get(); }
    double getDepth() const noexcept { return depth; }
    void setDepth (double newDepth) noexcept { depth = newDepth; }

    // One child "modulation" naming its source by "sourceid".
    std::unique_ptr<juce::XmlElement> createXml() const;
    // The link an element describes, or null when its source is not alive.
    static std::unique_ptr<Modulation> fromXml (const juce::XmlElement& element);

private:
    juce::WeakReference<ModulationSource> source;
    double depth;
};
