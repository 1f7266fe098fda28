#pragma once

#include <juce_events/juce_events.h>

class Parameter;

// Anything that exposes a numbered set of parameters.
class ParameterSource : public virtual juce::ChangeBroadcaster
{
public:
    ~ParameterSource() override = default;
    virtual int getNumParameters() = 0;
    virtual Parameter* getParameter (int index) = 0;
};
