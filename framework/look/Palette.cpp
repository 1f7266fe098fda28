#include "Palette.h"

// Defined in dependency order: each constant only uses the ones above it in this file.
const juce::Colour Palette::panelGrey (82, 81, 80);
const juce::Colour Palette::panelLight = Palette::panelGrey.withMultipliedBrightness (2.0f);
const juce::Colour Palette::panelDark = Palette::panelGrey.withMultipliedBrightness (0.5f);
const juce::Colour Palette::panelShadow = Palette::panelDark.withAlpha (0.75f);
const juce::Colour Palette::black (0xff000000);
const juce::Colour Palette::hoverGrey = juce::Colour (0xff808080).withMultipliedBrightness (1.5f);
const juce::Colour Palette::accentBlue (108, 150, 196);
const juce::Colour Palette::accentGlow = Palette::accentBlue.withAlpha (0.2f);
const juce::Colour Palette::white (0xffffffff);
const juce::Colour Palette::dimWhite = Palette::white.withMultipliedBrightness (0.75f);

juce::CriticalSection& Palette::getLock()
{
    static juce::CriticalSection lock;
    return lock;
}
