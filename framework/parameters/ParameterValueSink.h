#pragma once

#include <juce_core/juce_core.h>

class Parameter;

// Receives every new value of a parameter once it is quantised, inside setValue.
class ParameterValueSink
{
public:
    virtual ~ParameterValueSink() = default;
    virtual void parameterValueSet (Parameter& parameter, double quantisedValue) = 0;

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (ParameterValueSink)
};
