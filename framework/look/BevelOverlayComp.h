#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A bevel that lies over other drawing and lets every click through.
class BevelOverlayComp : public juce::Component
{
public:
    BevelOverlayComp();
    ~BevelOverlayComp() override = default;

    void paintOverChildren (juce::Graphics& g) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BevelOverlayComp)
};
