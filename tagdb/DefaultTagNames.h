#pragma once

#include <juce_core/juce_core.h>

// The names a new tag table is filled with: one entry per line of "defaultTags.txt", line k
// for grid column k / 50 at position k mod 50. A missing or unreadable file gives the list
// shipped with the plug-in.
struct DefaultTagNames
{
    static constexpr int numColumns = 3;
    static constexpr int numPositions = 50;

    // Exactly numColumns * numPositions entries; missing lines are empty.
    static juce::StringArray read (const juce::File& file);
    static juce::StringArray fromText (const juce::String& text);
    static juce::String decode (const juce::MemoryBlock& bytes);
};
