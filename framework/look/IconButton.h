#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A button that shows one icon of the icon sheet, accent blue while switched on.
class IconButton : public juce::ShapeButton,
                   public juce::Button::Listener
{
public:
    // The text is the button's name and its tooltip.
    IconButton (const juce::String& iconName, const juce::String& tooltipOrName);
    ~IconButton() override;

    const juce::String& getIconName() const noexcept { return iconName; }
    void setIcon (const juce::String& newIconName);

    // The colour the icon is drawn with in the button's current toggle state, without hover.
    juce::Colour getNormalColour() const noexcept;

    void buttonClicked (juce::Button*) override {}
    void buttonStateChanged (juce::Button*) override { repaint(); }

protected:
    using juce::ShapeButton::buttonStateChanged;

private:
    juce::String iconName;
    juce::DropShadowEffect shadow;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (IconButton)
};
