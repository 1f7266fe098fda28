#pragma once

#include <juce_core/juce_core.h>

// Text crossing the SQLite boundary: UTF-8 with its length in bytes both ways. Bytes that
// are not valid UTF-8 (a damaged row, a binary file read as text) are taken as Latin-1, so
// that they never stop a read.
struct SQLiteText
{
    static juce::String decode (const char* bytes, int numBytes);
    static int byteLength (const juce::String& text) noexcept;
};
