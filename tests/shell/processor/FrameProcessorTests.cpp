#include "ChangeCounter.h"
#include "framework/product/Product.h"
#include "shell/processor/AudioFormatManagerEx.h"
#include "shell/processor/QwelStudioFrame.h"
#include "shell/product/CorvaneProduct.h"

#include <gtest/gtest.h>


namespace
{
std::unique_ptr<QwelStudioFrame> makeFrame()
{
    return std::unique_ptr<QwelStudioFrame> (dynamic_cast<QwelStudioFrame*> (createPluginFilter()));
}

juce::MemoryBlock saveState (juce::AudioProcessor& p)
{
    juce::MemoryBlock block;
    p.getStateInformation (block);
    return block;
}

void fill (juce::AudioBuffer<float>& buffer, float value)
{
    for (int c = 0; c < buffer.getNumChannels(); ++c)
        juce::FloatVectorOperations::fill (buffer.getWritePointer (c), value, buffer.getNumSamples());
}

juce::MidiBuffer someMidi()
{
    juce::MidiBuffer midi;
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, 0.8f), 3);
    return midi;
}

bool allEqual (const juce::AudioBuffer<float>& buffer, int channel, float value)
{
    for (int i = 0; i < buffer.getNumSamples(); ++i)
        if (buffer.getSample (channel, i) != value)
            return false;
    return true;
}

// A node that writes a constant into channel 0 of its port and leaves channel 1 unwritten.
class HalfWritingNode : public AudioNode
{
public:
    HalfWritingNode() { port = addAudioOutput (new AudioPort (this, true, 2)); }

    void renderBlock (int numSamples) override
    {
        auto& ch = port->getBuffer().getChannel (0);
        juce::FloatVectorOperations::fill (ch.data, 0.25f, numSamples);
        port->markWritten (0);
    }

    AudioPort* port;
};

class PlainProduct : public Product
{
public:
    explicit PlainProduct (QwelFrame& f) : Product (f, "Corvane") {}
};
} // namespace

class FrameProcessor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = makeFrame();
        ASSERT_NE (frame, nullptr);
        frame->prepareToPlay (48000.0, 64);
    }

    std::unique_ptr<QwelStudioFrame> frame;
};

TEST_F (FrameProcessor, AnswersTheHostAsAnInstrumentWithoutMidi)
{
    EXPECT_EQ (frame->getName(), "Corvane");
    EXPECT_EQ (frame->getNumPrograms(), 1);
    EXPECT_EQ (frame->getProgramName (0), "Corvane");
    EXPECT_EQ (frame->getCurrentProgram(), 0);
    EXPECT_FALSE (frame->acceptsMidi());
    EXPECT_FALSE (frame->producesMidi());
    EXPECT_EQ (frame->getTailLengthSeconds(), 0.0);
    EXPECT_TRUE (frame->hasEditor());
    EXPECT_FALSE (frame->silenceInProducesSilenceOut());
    EXPECT_EQ (frame->getNumParameters(), 0);
}

TEST_F (FrameProcessor, NamesChannelsInStereoPairs)
{
    const std::pair<int, const char*> inputs[] = { { 0, "In 1 L" }, { 1, "In 1 R" }, { 2, "In 2 L" }, { 3, "In 2 R" } };
    for (auto [index, name] : inputs)
        EXPECT_EQ (frame->getInputChannelName (index), name);

    EXPECT_EQ (frame->getOutputChannelName (0), "Out 1 L");
    EXPECT_EQ (frame->getOutputChannelName (5), "Out 3 R");
    EXPECT_TRUE (frame->isInputChannelStereoPair (0));
    EXPECT_TRUE (frame->isOutputChannelStereoPair (1));
}

TEST_F (FrameProcessor, OffersExactlyMonoAndStereoLayouts)
{
    using Set = juce::AudioChannelSet;
    const struct { Set in, out; bool supported; } cases[] = {
        { Set::mono(), Set::mono(), true },
        { Set::stereo(), Set::stereo(), true },
        { Set::mono(), Set::stereo(), false },
        { Set::stereo(), Set::mono(), false },
        { Set::create5point1(), Set::create5point1(), false },
        { Set::disabled(), Set::stereo(), false },
    };

    for (auto& c : cases)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (c.in);
        layout.outputBuses.add (c.out);
        EXPECT_EQ (frame->checkBusesLayoutSupported (layout), c.supported) << c.in.getDescription() << " -> " << c.out.getDescription();
    }
}

TEST_F (FrameProcessor, BypassedBlocksAreLeftAsTheHostPassedThem)
{
    frame->setBypassed (true);

    juce::AudioBuffer<float> buffer (2, 64);
    fill (buffer, 0.5f);
    auto midi = someMidi();

    frame->processBlock (buffer, midi);

    EXPECT_TRUE (allEqual (buffer, 0, 0.5f));
    EXPECT_TRUE (allEqual (buffer, 1, 0.5f));
    EXPECT_EQ (midi.getNumEvents(), 1);
}

TEST_F (FrameProcessor, ProducesSilenceAndClearsMidiWhateverCameIn)
{
    for (int channels : { 1, 2, 4 })
    {
        juce::AudioBuffer<float> buffer (channels, 64);
        fill (buffer, 0.5f);
        auto midi = someMidi();

        frame->processBlock (buffer, midi);

        EXPECT_TRUE (midi.isEmpty());
        // The port has two channels: those are silent, any further host channel is untouched.
        for (int c = 0; c < channels; ++c)
            EXPECT_TRUE (allEqual (buffer, c, c < 2 ? 0.0f : 0.5f)) << channels << " channels, channel " << c;
    }
}

TEST_F (FrameProcessor, UnwrittenPortChannelsGiveSilenceAndWrittenOnesAreCopied)
{
    HalfWritingNode node;
    frame->setAudioOutputPort (node.port);
    frame->prepareToPlay (48000.0, 32);

    juce::AudioBuffer<float> buffer (2, 32);
    fill (buffer, 0.5f);
    juce::MidiBuffer midi;
    frame->processBlock (buffer, midi);

    EXPECT_TRUE (allEqual (buffer, 0, 0.25f));
    EXPECT_TRUE (allEqual (buffer, 1, 0.0f));

    // A block longer than announced still works, and a deleted port leaves the host untouched.
    juce::AudioBuffer<float> longer (2, 500);
    frame->processBlock (longer, midi);
    EXPECT_TRUE (allEqual (longer, 0, 0.25f));

    frame->setAudioOutputPort (nullptr);
    fill (buffer, 0.5f);
    frame->processBlock (buffer, midi);
    EXPECT_TRUE (allEqual (buffer, 0, 0.5f));
}

TEST_F (FrameProcessor, StateRoundTripsOntoAFreshInstance)
{
    frame->setGuiSize (640, 480);
    frame->setBypassed (true);
    frame->getHistory()->beginNewTransaction ("something");

    const auto state = saveState (*frame);
    auto xml = juce::AudioProcessor::getXmlFromBinary (state.getData(), (int) state.getSize());
    ASSERT_NE (xml, nullptr);
    EXPECT_EQ (xml->getTagName(), "Corvane");
    EXPECT_EQ (xml->getStringAttribute ("instanceid"), frame->getId().toString());
    EXPECT_DOUBLE_EQ (xml->getDoubleAttribute ("version"), 1.7);
    ASSERT_NE (xml->getChildByAttribute ("name", "pluginParameters"), nullptr);

    auto fresh = makeFrame();
    ASSERT_NE (fresh->getId(), frame->getId());
    fresh->setStateInformation (state.getData(), (int) state.getSize());

    EXPECT_EQ (fresh->getGuiWidth(), 640);
    EXPECT_EQ (fresh->getGuiHeight(), 480);
    EXPECT_TRUE (fresh->isBypassed());
    EXPECT_EQ (fresh->getId(), frame->getId());
    EXPECT_FALSE (fresh->getHistory()->canUndo());
    EXPECT_FALSE (fresh->isSuspended());
}

TEST_F (FrameProcessor, UnreadableStateChangesNothing)
{
    frame->setGuiSize (640, 480);
    const auto idBefore = frame->getId();

    juce::Random random (1234);
    juce::MemoryBlock noise (512);
    for (size_t i = 0; i < noise.getSize(); ++i)
        noise[i] = (char) random.nextInt (256);

    const auto chunk = [] (const juce::String& xmlText)
    {
        juce::MemoryBlock block;
        juce::AudioProcessor::copyXmlToBinary (*juce::parseXML (xmlText), block);
        return block;
    };

    const juce::MemoryBlock chunks[] = {
        noise,
        juce::MemoryBlock(),
        juce::MemoryBlock ("VC2!", 4),
        chunk ("<OtherProduct guiw=\"100\" guih=\"100\" bypassed=\"1\" instanceid=\"00000000000000000000000000000001\"/>"),
        chunk ("<Corvane guiw=\"wide\" guih=\"\" bypassed=\"maybe\" instanceid=\"nonsense\"/>"),
        chunk ("<Corvane guiw=\"-5\" guih=\"99999999999\"/>"),
        chunk ("<Corvane/>"),
    };

    for (auto& c : chunks)
    {
        frame->setStateInformation (c.getData(), (int) c.getSize());
        EXPECT_EQ (frame->getGuiWidth(), 640);
        EXPECT_EQ (frame->getGuiHeight(), 480);
        EXPECT_FALSE (frame->isBypassed());
        EXPECT_EQ (frame->getId(), idBefore);
    }

    frame->setStateInformation (nullptr, 10);
    EXPECT_EQ (frame->getGuiWidth(), 640);
}

TEST_F (FrameProcessor, NewSessionClearsTheHistoryAndTellsListenersAtOnce)
{
    int performed = 0;
    struct Action : juce::UndoableAction
    {
        explicit Action (int& counter) : n (counter) {}
        bool perform() override { ++n; return true; }
        bool undo() override { --n; return true; }
        int& n;
    };

    frame->getHistory()->perform (new Action (performed));
    ASSERT_TRUE (frame->getHistory()->canUndo());

    corvane::test::ChangeCounter changes (*frame);
    EXPECT_TRUE (frame->newSession());
    EXPECT_EQ (changes.count, 2);
    EXPECT_FALSE (frame->getHistory()->canUndo());
}

TEST_F (FrameProcessor, ReplacingTheProductDeletesTheOldOne)
{
    juce::WeakReference<Product> old (frame->getProduct());
    ASSERT_NE (old.get(), nullptr);

    new PlainProduct (*frame);
    EXPECT_EQ (old.get(), nullptr);
    EXPECT_EQ (frame->getName(), "Corvane");
}

TEST (DefaultEditorSize, IsAFifthWideAndFourFifthsHighOfTheDisplay)
{
    EXPECT_EQ (CorvaneProduct::defaultEditorSize ({ 0, 0, 1440, 900 }), juce::Rectangle<int> (0, 0, 288, 720));
}

TEST (AudioFormats, OfferAWildcardOfEveryExtensionAndTellWhatTheyHandle)
{
    auto& formats = AudioFormatManagerEx::getInstance();
    if (formats.getNumKnownFormats() == 0)
        formats.registerBasicFormats();

    const auto wildcard = formats.getWildcardString();
    EXPECT_TRUE (wildcard.startsWith ("*.wav;"));
    EXPECT_TRUE (wildcard.endsWith (";"));
    EXPECT_FALSE (wildcard.endsWith (";;"));
    for (auto* ext : { "*.aiff;", "*.flac;", "*.ogg;" })
        EXPECT_TRUE (wildcard.contains (ext)) << ext;

    EXPECT_TRUE (formats.canHandleFile (juce::File ("/tmp/a.WAV")));
    EXPECT_TRUE (formats.canHandleFile (juce::File ("/tmp/a.flac")));
    EXPECT_FALSE (formats.canHandleFile (juce::File ("/tmp/a.txt")));
    EXPECT_FALSE (formats.canHandleFile (juce::File ("/tmp/wav")));
}

TEST_F (FrameProcessor, SurvivesMutatedStateChunks)
{
    frame->setGuiSize (640, 480);
    const auto valid = saveState (*frame);
    juce::Random random (42);

    for (int round = 0; round < 3000; ++round)
    {
        juce::MemoryBlock chunk (valid);
        auto* bytes = static_cast<juce::uint8*> (chunk.getData());

        switch (round % 3)
        {
            case 0: // flip bytes, the size header included
                for (int i = 0; i < 1 + random.nextInt (8); ++i)
                    bytes[random.nextInt ((int) chunk.getSize())] ^= (juce::uint8) (1 + random.nextInt (255));
                break;
            case 1: // cut it short
                chunk.setSize ((size_t) random.nextInt ((int) chunk.getSize()));
                break;
            default: // garble the XML text but keep the envelope consistent
            {
                auto xml = juce::AudioProcessor::getXmlFromBinary (valid.getData(), (int) valid.getSize());
                auto text = xml->toString();
                const int at = random.nextInt (text.length());
                text = text.replaceSection (at, random.nextInt (6), juce::String::charToString ((juce::juce_wchar) (32 + random.nextInt (95))));
                // Written with line breaks: JUCE's single-line writer fails on an element
                // that follows a text node and has children of its own.
                if (auto garbled = juce::parseXML (text))
                {
                    const auto body = garbled->toString();
                    juce::MemoryOutputStream out (chunk, false);
                    out.writeInt (0x21324356);
                    out.writeInt ((int) body.getNumBytesAsUTF8());
                    out << body;
                    out.writeByte (0);
                }
                break;
            }
        }

        frame->setStateInformation (chunk.getData(), (int) chunk.getSize());

        ASSERT_GT (frame->getGuiWidth(), 0);
        ASSERT_GT (frame->getGuiHeight(), 0);
        ASSERT_FALSE (frame->isSuspended());
    }
}
