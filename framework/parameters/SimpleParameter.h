#pragma once

#include "Parameter.h"

// A parameter with a stored range and default, optional integer rounding, and tables of
// steps over the whole range per modifier combination for dragging and for the wheel.
class SimpleParameter : public ParameterTextReader,
                        public Parameter
{
public:
    SimpleParameter (const juce::String& name, double minimum, double maximum, double defaultValue);
    ~SimpleParameter() override;

    double getMinimum() const override { return minimum; }
    double getMaximum() const override { return maximum; }
    double getDefault() const override { return defaultValue; }
    void quantize (double newValue) override;
    juce::String getIconName() const override;

    double getStepSize (const juce::ModifierKeys& modifiers, bool wheel) const override;
    // Without options the text's number; with options, the value of the last option named
    // like the text, else the current value.
    double readValue (Parameter& parameter, const juce::String& text) override;
    void setWheelStepSize (const juce::ModifierKeys& modifiers, double steps) override;
    void setDragStepSize (const juce::ModifierKeys& modifiers, double steps);

    void setIntegerOnly (bool shouldBeInteger) noexcept { integerOnly = shouldBeInteger; }
    bool isIntegerOnly() const noexcept { return integerOnly; }

    void writeAttributes (juce::XmlElement& element, int mode) override;
    void readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history) override;

private:
    static int flagsOf (const juce::ModifierKeys& modifiers) noexcept { return modifiers.getRawFlags() & 15; }

    double minimum, maximum, defaultValue;
    bool integerOnly = false;
    juce::HashMap<int, double> dragSteps { 101 }, wheelSteps { 101 };

    JUCE_DECLARE_NON_COPYABLE (SimpleParameter)
};
