#pragma once

#include "framework/object/IconSource.h"
#include "framework/object/IdObject.h"
#include "framework/object/SimpleNamableObject.h"

// Common root of what modulates and what is modulated: a named object with an identity.
class ModulationNode : public virtual juce::ChangeBroadcaster,
                       public SimpleNamableObject,
                       public virtual IdObject,
                       public IconSource
{
public:
    explicit ModulationNode (const juce::String& nodeName = {}) : SimpleNamableObject (nodeName) {}
    ~ModulationNode() override = default;

    juce::String getIconName() const override { return "modulation"; }
};
