#pragma once

#include "ParameterSlider.h"

// A property-panel row that edits one parameter with a slider.
class ParameterPropertyComp : public juce::PropertyComponent
{
public:
    explicit ParameterPropertyComp (Parameter* parameter);
    ~ParameterPropertyComp() override = default;

    void refresh() override { slider.refresh(); }
    ParameterSlider& getSlider() noexcept { return slider; }

private:
    ParameterSlider slider;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParameterPropertyComp)
};
