#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// The process-wide list of plug-in formats and known plug-ins. The librarian only asks its
// formats whether a file might hold a plug-in of theirs.
class PluginCatalogue : public juce::DeletedAtShutdown
{
public:
    static PluginCatalogue& getInstance();
    ~PluginCatalogue() override;

    juce::AudioPluginFormatManager& getFormats() noexcept { return formats; }
    juce::KnownPluginList& getKnownPlugins() noexcept { return knownPlugins; }

    // The name of the last format (in registration order) that claims the file; empty when none.
    juce::String findFormatNameFor (const juce::File& file);

private:
    PluginCatalogue() = default;

    juce::AudioPluginFormatManager formats;
    juce::KnownPluginList knownPlugins;
    juce::CriticalSection lock;

    JUCE_DECLARE_NON_COPYABLE (PluginCatalogue)
};
