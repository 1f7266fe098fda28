#include "AudioFormatManagerEx.h"

namespace
{
juce::CriticalSection instanceLock;
AudioFormatManagerEx* instance = nullptr;
} // namespace

AudioFormatManagerEx& AudioFormatManagerEx::getInstance()
{
    const juce::ScopedLock sl (instanceLock);

    if (instance == nullptr)
        instance = new AudioFormatManagerEx();

    return *instance;
}

AudioFormatManagerEx::~AudioFormatManagerEx()
{
    const juce::ScopedLock sl (instanceLock);

    if (instance == this)
        instance = nullptr;
}

juce::String AudioFormatManagerEx::getWildcardString() const
{
    juce::String result;

    for (auto* format : *this)
        for (auto extension : format->getFileExtensions())
            result << "*" << extension << ";";

    return result;
}

bool AudioFormatManagerEx::canHandleFile (const juce::File& file) const
{
    for (auto* format : *this)
        if (format->canHandleFile (file))
            return true;

    return false;
}
