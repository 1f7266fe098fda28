#pragma once

#include <juce_graphics/juce_graphics.h>

// The few colours every view of the framework draws with, named by their role.
struct Palette
{
    static const juce::Colour panelGrey;
    static const juce::Colour panelLight;
    static const juce::Colour panelDark;
    static const juce::Colour panelShadow;
    static const juce::Colour black;
    static const juce::Colour hoverGrey;
    static const juce::Colour accentBlue;
    static const juce::Colour accentGlow;
    static const juce::Colour white;
    static const juce::Colour dimWhite;

    // Guards the process-wide drawing resources that sit beside the palette (the icon sheet).
    static juce::CriticalSection& getLock();
};
