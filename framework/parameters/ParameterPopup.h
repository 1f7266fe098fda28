#pragma once

#include "ParameterSlider.h"
#include "framework/object/HistorySource.h"
#include "framework/object/LockSource.h"

// A small floating panel for one parameter: its name, a slider that shows the value, and an
// expand button for a detail view. It can be dragged about.
class ParameterPopup : public juce::Component,
                       public juce::Button::Listener,
                       public LockSource,
                       public HistorySource
{
public:
    ParameterPopup (Parameter* parameter, ParameterSlider* openedFrom);
    ~ParameterPopup() override;

    Parameter* getParameter() const;
    ParameterSlider& getSlider() noexcept { return slider; }
    bool isExpanded() const noexcept { return detail != nullptr; }

    // Where the edit goes: the lock and history around the control that opened the popup.
    juce::CriticalSection& getLock() override;
    QwelHistory* getHistory() override;

    void buttonClicked (juce::Button* button) override;
    void resized() override;
    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& event) override;
    void mouseDrag (const juce::MouseEvent& event) override;

private:
    void updateSize();

    juce::WeakReference<Parameter> parameter;
    juce::Component::SafePointer<juce::Component> origin;
    juce::Label title;
    ParameterSlider slider;
    juce::DrawableButton expandButton { "expand", juce::DrawableButton::ImageFitted };
    std::unique_ptr<juce::Component> detail;
    juce::ComponentDragger dragger;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParameterPopup)
};
