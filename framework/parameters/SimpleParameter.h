#pragma once

#include "Parameter.h"

// A parameter with a stored range and default.
class SimpleParameter : public Parameter
{
public:
    SimpleParameter (const juce::String& name, double minimum, double maximum, double defaultValue);
    ~SimpleParameter() override = default;

    double getMinimum() const override { return minimum; }
    double getMaximum() const override { return maximum; }
    double getDefault() const override { return defaultValue; }

private:
    double minimum, maximum, defaultValue;
};
