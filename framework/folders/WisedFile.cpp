#include "WisedFile.h"

WisedFile::WisedFile (const juce::File& f, FileReciever* waitingForFile)
    : file (f),
      receiver (waitingForFile)
{
}

WisedFile::~WisedFile() = default;

void WisedFile::setFile (const juce::File& newFile)
{
    if (newFile == file)
        return;

    file = newFile;
    sendChangeMessage();

    if (auto* r = receiver.get())
        r->receiveFile (newFile);
}

void WisedFile::receiveFile (const juce::File& newFile)
{
    setFile (newFile);
}

void WisedFile::filenameComponentChanged (juce::FilenameComponent* component)
{
    if (component != nullptr)
        setFile (component->getCurrentFile());
}
