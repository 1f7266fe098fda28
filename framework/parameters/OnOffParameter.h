#pragma once

#include "SimpleParameter.h"

// A switch: range 0 to 1 with the options "off" (0) and "on" (1).
class OnOffParameter : public SimpleParameter
{
public:
    OnOffParameter (const juce::String& name, bool defaultOn);
    ~OnOffParameter() override;

    bool isOn() const noexcept { return getValue() >= 0.5; }
};
