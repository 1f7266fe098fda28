#pragma once

#include <juce_core/juce_core.h>

// One file found while walking dropped or chosen paths.
struct FileEntry
{
    juce::String name; // file name with extension
    juce::String type; // the type name of the audio format that reads it
    juce::String path; // full path
};
