#pragma once

#include <juce_core/juce_core.h>

class Parameter;

// Turns a parameter's value into the text its controls show.
class ParameterTextConverter
{
public:
    virtual ~ParameterTextConverter() = default;
    virtual juce::String convertToText (Parameter& parameter) = 0;
    virtual juce::String getLabel (Parameter& parameter) = 0;

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (ParameterTextConverter)
};
