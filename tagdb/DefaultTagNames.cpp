#include "DefaultTagNames.h"

#include "SQLiteText.h"

#include <CorvaneBinary.h>

namespace
{
// Only the first lines are used; a runaway file is not read to its end.
constexpr size_t maxBytesRead = 1 << 20;
constexpr int maxNameLength = 256;

juce::String cleanEntry (const juce::String& line)
{
    juce::String clean;

    for (auto c : line)
        if (c >= 0x20 && c != 0x7f)
            clean += juce::String::charToString (c);

    return clean.trim().substring (0, maxNameLength);
}
} // namespace

juce::StringArray DefaultTagNames::read (const juce::File& file)
{
    if (file.existsAsFile())
    {
        juce::FileInputStream in (file);

        if (in.openedOk())
        {
            juce::MemoryBlock bytes;
            in.readIntoMemoryBlock (bytes, (ssize_t) maxBytesRead);
            return fromText (decode (bytes));
        }
    }

    return fromText (juce::String::fromUTF8 (CorvaneBinary::defaultTags_txt, CorvaneBinary::defaultTags_txtSize));
}

juce::String DefaultTagNames::decode (const juce::MemoryBlock& bytes)
{
    auto* data = static_cast<const char*> (bytes.getData());
    auto size = (int) bytes.getSize();

    // A byte-order mark is not part of the first name.
    if (size >= 3 && (juce::uint8) data[0] == 0xef && (juce::uint8) data[1] == 0xbb && (juce::uint8) data[2] == 0xbf)
    {
        data += 3;
        size -= 3;
    }

    return SQLiteText::decode (data, size);
}

juce::StringArray DefaultTagNames::fromText (const juce::String& text)
{
    juce::StringArray lines;
    lines.addLines (text);

    juce::StringArray entries;
    for (int i = 0; i < numColumns * numPositions; ++i)
        entries.add (cleanEntry (lines[i]));

    return entries;
}
