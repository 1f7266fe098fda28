#include "PositionBroadcaster.h"

void PositionBroadcaster::setFromText (const juce::String& text)
{
    const auto parsed = juce::Rectangle<int>::fromString (text);

    if (parsed == static_cast<const juce::Rectangle<int>&> (*this))
        return;

    static_cast<juce::Rectangle<int>&> (*this) = parsed;
    sendChangeMessage();
}
