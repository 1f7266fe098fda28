#pragma once

#include "framework/object/HistorySource.h"
#include "framework/object/LockSource.h"

#include <juce_audio_processors/juce_audio_processors.h>

class QwelFrame;

// The frame's editor window. Everything inside it finds the frame's undo history and model
// lock through it.
class QwelFrameGUI : public juce::AudioProcessorEditor,
                     public HistorySource,
                     public LockSource,
                     public juce::ChangeListener
{
public:
    explicit QwelFrameGUI (QwelFrame& frame);
    ~QwelFrameGUI() override;

    QwelHistory* getHistory() override;
    juce::CriticalSection& getLock() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override;

private:
    QwelFrame& frame;
    std::unique_ptr<juce::Component> productPanel;
    bool sizeKnown = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QwelFrameGUI)
};
