#pragma once

#include <juce_core/juce_core.h>

// The label texts built into the program, handed to the process-wide translation table.
struct LabelTable
{
    // Loads the English table unless a table is loaded already.
    static void loadEnglish();
    static juce::String getEnglishText();
};
