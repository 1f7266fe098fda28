#pragma once

#include <juce_audio_formats/juce_audio_formats.h>
#include <juce_events/juce_events.h>

// The one process-wide audio format manager: type detection, the player, the overview and
// the file chooser all read through it.
class AudioFormatManagerEx : public juce::AudioFormatManager,
                             public juce::DeletedAtShutdown
{
public:
    static AudioFormatManagerEx& getInstance();

    ~AudioFormatManagerEx() override;

    // Every registered extension as "*.wav;*.aiff;...;", ending with a ";".
    juce::String getWildcardString() const;

    // True when a registered format claims the file by its extension.
    bool canHandleFile (const juce::File& file) const;

private:
    AudioFormatManagerEx() = default;
};
