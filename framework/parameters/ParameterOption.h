#pragma once

#include "framework/object/SimpleNamableObject.h"

class ParameterOptionHandler;

// One named value of a parameter, optionally with its own icon and a handler that acts on it.
class ParameterOption : public SimpleNamableObject
{
public:
    ParameterOption (const juce::String& optionName, ParameterOptionHandler* optionHandler, const void* optionId, double optionValue)
        : SimpleNamableObject (optionName), value (optionValue), id (optionId), handler (optionHandler)
    {
    }
    ~ParameterOption() override = default;

    double getValue() const noexcept { return value; }
    const void* getOptionId() const noexcept { return id; }
    ParameterOptionHandler* getHandler() const noexcept { return handler; }
    const juce::String& getIconName() const noexcept { return iconName; }
    void setIconName (const juce::String& newIconName) { iconName = newIconName; }

private:
    double value;
    const void* id;
    ParameterOptionHandler* handler;
    juce::String iconName;

    JUCE_DECLARE_NON_COPYABLE (ParameterOption)
};
