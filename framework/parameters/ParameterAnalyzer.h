#pragma once

#include "framework/look/IconButton.h"

class Parameter;

// An inspector for one parameter: its name, its value with the range, and where it sits in
// that range. The star marks parameters that are modulated.
class ParameterAnalyzer : public juce::Component,
                          public juce::ChangeListener
{
public:
    explicit ParameterAnalyzer (Parameter* parameter);
    ~ParameterAnalyzer() override;

    void changeListenerCallback (juce::ChangeBroadcaster*) override { update(); }
    void resized() override;
    void paint (juce::Graphics& g) override;

    juce::String getRangeText() const { return rangeLabel.getText(); }

private:
    void update();

    juce::WeakReference<Parameter> parameter;
    IconButton star { "star", "modulated" };
    juce::Label nameLabel, rangeLabel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParameterAnalyzer)
};
