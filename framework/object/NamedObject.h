#pragma once

#include <juce_events/juce_events.h>

// Anything that has a name. The broadcaster is a virtual base so that an object reaching it
// along several paths announces its changes through one broadcaster only.
class NamedObject : public virtual juce::ChangeBroadcaster
{
public:
    ~NamedObject() override = default;
    virtual juce::String getName() const = 0;
};
