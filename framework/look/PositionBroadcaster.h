#pragma once

#include <juce_events/juce_events.h>
#include <juce_graphics/juce_graphics.h>

// A rectangle that announces itself when it is set from its text form ("x y width height").
class PositionBroadcaster : public juce::Rectangle<int>,
                            public juce::ChangeBroadcaster
{
public:
    PositionBroadcaster() = default;
    ~PositionBroadcaster() override = default;

    // Sends a change message when the text gives a different rectangle.
    void setFromText (const juce::String& text);
    juce::String toText() const { return toString(); }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PositionBroadcaster)
};
