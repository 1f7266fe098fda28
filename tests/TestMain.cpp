#include "TestSupport.h"

#include <gtest/gtest.h>

int main (int argc, char** argv)
{
    // Redirect every data folder before JUCE or the product asks for one.
    corvane::test::redirectDataFolders();

    juce::ScopedJuceInitialiser_GUI juce;
    ::testing::InitGoogleTest (&argc, argv);
    const int result = RUN_ALL_TESTS();
    juce::DeletedAtShutdown::deleteAll();
    return result;
}
