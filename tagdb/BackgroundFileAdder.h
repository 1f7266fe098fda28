#pragma once

#include "Corvane.h"

// Runs a bulk add on its own thread, so that the host's window stays responsive and can show
// the library's progress; hands the added files to the library on the message thread. The
// library stops and deletes it before it goes.
class BackgroundFileAdder : public juce::Thread
{
public:
    BackgroundFileAdder (Corvane& library, const juce::StringArray& paths, const juce::Array<int>& tagIds,
                         std::atomic<double>& progress);
    ~BackgroundFileAdder() override;

    void run() override;

private:
    Corvane& owner;
    juce::WeakReference<Corvane> library;
    juce::StringArray paths;
    juce::Array<int> tagIds;
    std::atomic<double>& progress;

    JUCE_DECLARE_NON_COPYABLE (BackgroundFileAdder)
};
