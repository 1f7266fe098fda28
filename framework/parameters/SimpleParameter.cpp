#include "SimpleParameter.h"

SimpleParameter::SimpleParameter (const juce::String& parameterName, double minimumValue, double maximumValue, double defaultValue_)
    : Parameter (parameterName),
      minimum (minimumValue),
      maximum (maximumValue),
      defaultValue (defaultValue_)
{
    setValue (nullptr, {}, true, getDefault());
}
