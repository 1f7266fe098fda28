#pragma once

#include "SimpleParameter.h"

// A level in decibels that also keeps its linear gain, which the audio thread reads.
class DBParameter : public SimpleParameter
{
public:
    DBParameter (const juce::String& name, double minimumDb, double maximumDb, double defaultDb);
    ~DBParameter() override;

    void quantize (double newValue) override;
    juce::String convertToText (Parameter& parameter) override;
    double readValue (Parameter& parameter, const juce::String& text) override;

    float getGain() const noexcept { return gain.load (std::memory_order_relaxed); }

private:
    std::atomic<float> gain { 1.0f };
};
