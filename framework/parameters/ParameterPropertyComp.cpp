#include "ParameterPropertyComp.h"

#include "Parameter.h"

namespace
{
juce::String displayNameOf (Parameter* parameter)
{
    return parameter != nullptr ? parameter->getDisplayName() : juce::String();
}
} // namespace

ParameterPropertyComp::ParameterPropertyComp (Parameter* parameter)
    : juce::PropertyComponent (displayNameOf (parameter), 20),
      slider (1, parameter, displayNameOf (parameter), true)
{
    addAndMakeVisible (slider);
}
