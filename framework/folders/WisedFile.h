#pragma once

#include "framework/object/FileReciever.h"

#include <juce_gui_basics/juce_gui_basics.h>

// One folder of the folder list. A folder chosen for it (in its file name component) becomes
// its folder and is handed on to the object that waits for it, if any.
class WisedFile : public juce::FilenameComponentListener,
                  public juce::ChangeBroadcaster,
                  public FileReciever
{
public:
    explicit WisedFile (const juce::File& file, FileReciever* waitingForFile = nullptr);
    ~WisedFile() override;

    const juce::File& getFile() const noexcept { return file; }
    void setFile (const juce::File& newFile);

    void receiveFile (const juce::File& newFile) override;
    void filenameComponentChanged (juce::FilenameComponent* component) override;

private:
    juce::File file;
    juce::WeakReference<FileReciever> receiver;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WisedFile)
};
