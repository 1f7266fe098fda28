#include "IconButton.h"

#include "Palette.h"
#include "SVGIcon.h"

IconButton::IconButton (const juce::String& icon, const juce::String& tooltipOrName)
    : juce::ShapeButton (tooltipOrName, Palette::white, Palette::hoverGrey, Palette::black),
      iconName (icon)
{
    // The on colours are chosen at paint time, so the icon follows the toggle state however it
    // was switched, with or without notification.
    setOnColours (Palette::accentBlue, Palette::hoverGrey, Palette::black);
    shouldUseOnColours (true);
    setTooltip (tooltipOrName);
    setShape (SVGIcon::getInstance()->getPath (iconName), false, true, false);
    shadow.setShadowProperties (juce::DropShadow (Palette::panelShadow, 2, { 1, 1 }));
    setComponentEffect (&shadow);
    setMouseCursor (juce::MouseCursor::PointingHandCursor);
    addListener (this);
}

IconButton::~IconButton()
{
    setComponentEffect (nullptr);
    removeListener (this);
}

void IconButton::setIcon (const juce::String& newIconName)
{
    if (newIconName == iconName)
        return;

    iconName = newIconName;
    setShape (SVGIcon::getInstance()->getPath (iconName), false, true, false);
}

juce::Colour IconButton::getNormalColour() const noexcept
{
    return getToggleState() ? Palette::accentBlue : Palette::white;
}
