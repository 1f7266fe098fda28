#pragma once

#include <juce_core/juce_core.h>

// The folders the product keeps its files in: the user's and the machine's application data.
// The environment variables CORVANE_USER_DATA_DIR and CORVANE_COMMON_DATA_DIR move them
// elsewhere (tests point them at a temporary folder; every plug-in copy in the process sees them).
namespace DataFolders
{
juce::File userApplicationData();
juce::File commonApplicationData();
} // namespace DataFolders
