#pragma once

#include "TestSupport.h"
#include "tagdb/Corvane.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvane::test
{
// Reads and writes a database file with plain SQL, without any of the library's code.
class RawDatabase
{
public:
    explicit RawDatabase (const juce::File& file);
    ~RawDatabase();

    // Runs the statements; false on any error.
    bool exec (const juce::String& sql);
    // The rows of one statement, columns joined with "|", NULL as "". A statement that asks
    // for a value gets parameter as ?1. One that does not compile answers one row saying so,
    // so that a comparison with it fails visibly.
    juce::StringArray rows (const juce::String& sql, const juce::String& parameter = {});
    juce::String value (const juce::String& sql) { return rows (sql)[0]; }
    int count (const juce::String& sql) { return value (sql).getIntValue(); }
    // True while another connection holds the write lock.
    bool isWriteLocked();

private:
    struct Handle;
    std::unique_ptr<Handle> handle;
};

// Writes a short stereo WAV file (creating its folder).
juce::File writeWav (const juce::File& file, int numSamples = 64);
// Writes bytes that are not audio under any name.
juce::File writeJunk (const juce::File& file, const juce::String& text = "not audio");

// A library on a fresh database file in a temporary folder, with a small default tag list.
class LibraryTest : public ::testing::Test
{
protected:
    LibraryTest();
    ~LibraryTest() override;

    std::unique_ptr<Corvane> makeLibrary (const juce::File& databaseFile);
    juce::StringArray resultPaths();
    int idOf (const juce::File& file);

    TempFolder temp;
    juce::File dbFile, tagsFile;
    std::unique_ptr<Corvane> library;
};
} // namespace corvane::test
