#include "DataFolders.h"

namespace
{
juce::File folderOrOverride (const char* variable, juce::File::SpecialLocationType location)
{
    const auto value = juce::SystemStats::getEnvironmentVariable (variable, {});
    if (value.isNotEmpty() && juce::File::isAbsolutePath (value))
        return juce::File (value);

    return juce::File::getSpecialLocation (location);
}
} // namespace

juce::File DataFolders::userApplicationData()
{
    return folderOrOverride ("CORVANE_USER_DATA_DIR", juce::File::userApplicationDataDirectory);
}

juce::File DataFolders::commonApplicationData()
{
    return folderOrOverride ("CORVANE_COMMON_DATA_DIR", juce::File::commonApplicationDataDirectory);
}
