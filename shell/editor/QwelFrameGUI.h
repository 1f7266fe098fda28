#pragma once

#include "framework/object/HistorySource.h"
#include "framework/object/LockSource.h"
#include "shell/history/QwelCommandTarget.h"

#include <juce_audio_processors/juce_audio_processors.h>

class QwelFrame;

// The frame's editor window. Everything inside it finds the frame's undo history and model
// lock through it.
class QwelFrameGUI : public juce::AudioProcessorEditor,
                     public HistorySource,
                     public LockSource,
                     public juce::ChangeListener,
                     public QwelCommandTarget
{
public:
    explicit QwelFrameGUI (QwelFrame& frame);
    ~QwelFrameGUI() override;

    QwelHistory* getHistory() override;
    juce::CriticalSection& getLock() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override;

    void getCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& info) override;
    bool perform (const InvocationInfo& info) override;

private:
    void registerCommands();
    void saveProductToFile();

    QwelFrame& frame;
    std::unique_ptr<juce::Component> productPanel;
    std::unique_ptr<juce::FileChooser> fileChooser;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QwelFrameGUI)
};
