#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace corvane::test
{
// Points HOME and the XDG folders at a fresh temporary folder, so that no test reads or
// writes the real user's application data or plug-in folders.
void redirectDataFolders();

// The temporary home that redirectDataFolders made.
juce::File testHome();

// A fresh, empty folder below the temporary home, removed by its destructor.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    const juce::File& get() const noexcept { return folder; }
    juce::File operator/ (const juce::String& name) const { return folder.getChildFile (name); }

private:
    juce::File folder;
};

// Runs the message loop until the condition holds or the time runs out; answers the condition.
bool pumpUntil (const std::function<bool()>& condition, int timeoutMs = 2000);
} // namespace corvane::test
