#pragma once

#include "framework/look/BevelOverlayComp.h"

#include <juce_gui_basics/juce_gui_basics.h>

class Parameter;

// A text label that edits parameters like a slider: drag vertically, turn the wheel, click
// to toggle or reset, double-click to type, right-click for the options. It can drive
// several linked parameters at once. Every gesture is one undo step in the history around
// it, and every value change happens under the model lock around it.
class ParameterSlider : public juce::Label,
                        public juce::Slider::Listener,
                        public juce::ChangeListener,
                        public juce::Timer
{
public:
    // The style is reserved for variants of the control; callers pass 1.
    ParameterSlider (int style, Parameter* parameter, const juce::String& labelText, bool showText);
    ~ParameterSlider() override;

    // Takes up the parameter's text, icon and range again and shows the value for a while.
    void refresh();

    Parameter* getParameter() const;
    void addLinkedParameter (Parameter* parameter);
    int getNumLinkedParameters() const noexcept { return linked.size(); }

    void setJumpToClick (bool shouldJump) noexcept { jumpToClick = shouldJump; }
    void setPopupDisabled (bool shouldDisable) noexcept { popupDisabled = shouldDisable; }
    bool isShowingValue() const noexcept { return refreshed; }

    // The slider's own label when it has one, else the parameter's display name.
    juce::String getChangeName() const;
    // Whether a click opens the parameter's popup panel: the surrounding group wants it and
    // the slider shows an icon.
    bool popupEnabled() const;
    // Shows the popup panel for the parameter next to the slider, reusing a panel already
    // showing that parameter.
    static void showParameterPopup (Parameter* parameter, ParameterSlider* slider, bool editText);
    // A new inspector for the primary parameter; the caller owns it.
    juce::Component* createAnalyzer();

    void mouseEnter (const juce::MouseEvent& event) override;
    void mouseExit (const juce::MouseEvent& event) override;
    void mouseDown (const juce::MouseEvent& event) override;
    void mouseDrag (const juce::MouseEvent& event) override;
    void mouseUp (const juce::MouseEvent& event) override;
    void mouseDoubleClick (const juce::MouseEvent& event) override;
    void mouseWheelMove (const juce::MouseEvent& event, const juce::MouseWheelDetails& wheel) override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void timerCallback() override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override { refresh(); }
    void sliderValueChanged (juce::Slider*) override {}

protected:
    void textWasEdited() override;
    // Drawn over the value and below the highlights; nothing by default.
    virtual void paintOverlay (juce::Graphics&) {}

private:
    juce::Array<Parameter*> getLiveParameters() const;
    // Options that are more than labels cannot be dragged or turned while the slider shows.
    bool skipsContinuousGestures (Parameter& parameter) const;
    void beginGestures();
    void endGestures();

    juce::WeakReference<Parameter> primary;
    juce::Array<juce::WeakReference<Parameter>> linked;
    juce::String labelText;
    bool showText = false;
    bool jumpToClick = false;
    bool wheelSeries = false;
    bool refreshed = false;
    bool popupDisabled = false;
    int lastDragDistance = 0;
    juce::Path icon;
    BevelOverlayComp overlay;

    JUCE_DECLARE_WEAK_REFERENCEABLE (ParameterSlider)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParameterSlider)
};
