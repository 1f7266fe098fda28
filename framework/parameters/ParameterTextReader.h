#pragma once

#include <juce_core/juce_core.h>

class Parameter;

// Turns text typed into a control into a value of the parameter.
class ParameterTextReader
{
public:
    virtual ~ParameterTextReader() = default;
    virtual double readValue (Parameter& parameter, const juce::String& text) = 0;

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (ParameterTextReader)
};
