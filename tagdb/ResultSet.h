#pragma once

#include <juce_core/juce_core.h>

// The rows one statement of a batch returned; each row holds the text of every column,
// NULL read as the empty text.
class ResultSet : public juce::OwnedArray<juce::StringArray>
{
};
