#include "TestSupport.h"
#include "framework/object/ServiceLookup.h"
#include "framework/parameters/SimpleParameter.h"
#include "shell/editor/QwelFrameGUI.h"
#include "shell/history/MiniHistoryGUI.h"
#include "shell/history/QwelCommandIds.h"
#include "shell/processor/QwelStudioFrame.h"
#include "shell/routing/AudioNode.h"

#include <gtest/gtest.h>

namespace
{
// A node whose render reads two parameters that every edit changes together, and counts the
// blocks that saw them disagree.
class PairWatchingNode : public AudioNode
{
public:
    PairWatchingNode (Parameter& firstParameter, Parameter& secondParameter)
        : first (firstParameter), second (secondParameter)
    {
        port = addAudioOutput (new AudioPort (this, true, 2));
    }

    void renderBlock (int numSamples) override
    {
        const auto a = first.getValue();
        // Widens the window in which an edit made without the lock would show half done.
        for (volatile int i = 0; i < 500; ++i) {}
        const auto b = second.getValue();

        if (a != b)
            mismatches.fetch_add (1);
        blocks.fetch_add (1);

        port->getBuffer().wrap (numSamples).clear();
        port->markWritten (0);
        port->markWritten (1);
    }

    AudioPort* port = nullptr;
    std::atomic<int> blocks { 0 }, mismatches { 0 };

private:
    Parameter& first;
    Parameter& second;
};
} // namespace

// Run under ThreadSanitizer too: a race between the edits and the block is reported there.
TEST (EditLock, BlocksNeverSeeHalfAnEditOrUndo)
{
    QwelStudioFrame frame;
    auto& parameters = frame.getPluginParameters();
    auto* a = parameters.addParameter (new SimpleParameter ("a", 0.0, 1000.0, 0.0));
    auto* b = parameters.addParameter (new SimpleParameter ("b", 0.0, 1000.0, 0.0));

    PairWatchingNode node (*a, *b);
    frame.setAudioOutputPort (node.port);
    frame.prepareToPlay (44100.0, 64);

    std::unique_ptr<QwelFrameGUI> editor (dynamic_cast<QwelFrameGUI*> (frame.createEditor()));
    ASSERT_NE (editor, nullptr);
    juce::Component control;
    MiniHistoryGUI strip (frame.getHistory());
    editor->addAndMakeVisible (control);
    editor->addAndMakeVisible (strip);

    std::atomic<bool> running { true };
    std::thread audio ([&]
    {
        juce::AudioBuffer<float> buffer (2, 64);
        juce::MidiBuffer midi;
        while (running.load())
            frame.processBlock (buffer, midi);
    });

    for (int i = 1; i <= 300; ++i)
    {
        // One edit of both values, as a preset applied by a control.
        {
            const juce::ScopedLock sl (findLock (&control));
            beginTransaction ("pair", &control);
            juce::XmlElement preset ("parameters");
            for (auto* name : { "a", "b" })
            {
                auto* p = preset.createNewChildElement ("parameter");
                p->setAttribute ("name", name);
                p->setAttribute ("value", i);
            }
            parameters.loadPresets (preset, XmlAble::presetMode, findHistory (&control));
        }

        if (i % 3 == 0)
        {
            strip.invokeDirectly (QwelCommandIds::historyUndo, false);
            frame.invokeDirectly (QwelCommandIds::undo, false);
            strip.invokeDirectly (QwelCommandIds::historyRedo, false);
        }

        if (i % 50 == 0)
            juce::Thread::sleep (1);
    }

    // Let the audio thread run through some blocks after the last edit.
    const auto seen = node.blocks.load();
    while (node.blocks.load() < seen + 10)
        std::this_thread::yield();

    running = false;
    audio.join();

    EXPECT_GT (node.blocks.load(), 10);
    EXPECT_EQ (node.mismatches.load(), 0);
    EXPECT_EQ (a->getValue(), b->getValue());
    EXPECT_EQ (a->getValue(), 299.0);

    editor.reset();
    frame.setAudioOutputPort (nullptr);
}
