#pragma once

#include "SimpleParameter.h"

// Whole numbers from first to last, one option per number, named by its digits or by its
// Roman numeral.
class SteppedParameter : public SimpleParameter
{
public:
    SteppedParameter (const juce::String& name, int first, int last, int defaultStep, bool roman);
    ~SteppedParameter() override;

    juce::String convertToText (Parameter& parameter) override;
    // A Roman numeral, else the text's whole number.
    double readValue (Parameter& parameter, const juce::String& text) override;

    static juce::String toRoman (int number);
    // Throws std::invalid_argument ("bad roman format") on any character that is no numeral.
    static int fromRoman (const juce::String& text);
};
