#pragma once

#include <juce_core/juce_core.h>

// An object that takes a file found for it, for instance a library item whose file was
// located again through the folder list.
class FileReciever
{
public:
    virtual ~FileReciever() = default;
    virtual void receiveFile (const juce::File& file) = 0;

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (FileReciever)
};
