#include "SQLiteText.h"

juce::String SQLiteText::decode (const char* bytes, int numBytes)
{
    if (bytes == nullptr || numBytes <= 0)
        return {};

    if (juce::CharPointer_UTF8::isValidString (bytes, numBytes))
        return juce::String (juce::CharPointer_UTF8 (bytes), juce::CharPointer_UTF8 (bytes + numBytes));

    juce::String result;
    result.preallocateBytes ((size_t) numBytes * 2);

    for (int i = 0; i < numBytes; ++i)
        if (const auto c = (juce::juce_wchar) (unsigned char) bytes[i]; c != 0)
            result += juce::String::charToString (c);

    return result;
}

int SQLiteText::byteLength (const juce::String& text) noexcept
{
    return (int) text.getNumBytesAsUTF8();
}
