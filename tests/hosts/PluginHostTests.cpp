// Loads the built VST3 and LV2 bundles through JUCE's own plug-in hosting, as a host would,
// without linking the plug-in's classes.
#include <gtest/gtest.h>

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>

namespace
{
// The plug-in's own state element, found inside whatever envelope a format wraps it in.
// `edit`, when given, changes it in place and the envelope is rebuilt around it.
using StateEdit = std::function<void (juce::XmlElement&)>;

bool visitEncoded (juce::String& text, const StateEdit& edit, std::unique_ptr<juce::XmlElement>& found);

bool visitChunk (const juce::MemoryBlock& chunk, juce::MemoryBlock* rewritten, const StateEdit& edit,
                 std::unique_ptr<juce::XmlElement>& found)
{
    auto xml = juce::AudioProcessor::getXmlFromBinary (chunk.getData(), (int) chunk.getSize());

    if (xml != nullptr && xml->hasTagName ("Corvane"))
    {
        if (edit)
            edit (*xml);
        found = std::make_unique<juce::XmlElement> (*xml);
        if (rewritten != nullptr)
            juce::AudioProcessor::copyXmlToBinary (*xml, *rewritten);
        return true;
    }

    if (xml != nullptr)
    {
        std::function<bool (juce::XmlElement&)> walk = [&] (juce::XmlElement& e)
        {
            if (e.isTextElement())
            {
                auto text = e.getText();
                if (visitEncoded (text, edit, found))
                {
                    e.setText (text);
                    return true;
                }
                return false;
            }
            for (auto* child : e.getChildIterator())
                if (walk (*child))
                    return true;
            return false;
        };

        if (walk (*xml))
        {
            if (rewritten != nullptr)
                juce::AudioProcessor::copyXmlToBinary (*xml, *rewritten);
            return true;
        }
        return false;
    }

    auto text = chunk.toString();
    if (visitEncoded (text, edit, found))
    {
        if (rewritten != nullptr)
            rewritten->replaceAll (text.toRawUTF8(), text.getNumBytesAsUTF8());
        return true;
    }
    return false;
}

// Looks for a base-64 token (JUCE's "size.data" form) that holds the plug-in's chunk.
bool visitEncoded (juce::String& text, const StateEdit& edit, std::unique_ptr<juce::XmlElement>& found)
{
    const juce::String alphabet (".ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+");
    int start = 0;

    while (start < text.length())
    {
        if (! alphabet.containsChar (text[start]))
        {
            ++start;
            continue;
        }

        int end = start;
        while (end < text.length() && alphabet.containsChar (text[end]))
            ++end;

        const auto token = text.substring (start, end);
        juce::MemoryBlock decoded;
        if (token.length() > 16 && decoded.fromBase64Encoding (token))
        {
            juce::MemoryBlock rewritten;
            if (visitChunk (decoded, &rewritten, edit, found))
            {
                text = text.replaceSection (start, end - start, rewritten.toBase64Encoding());
                return true;
            }
        }
        start = end;
    }
    return false;
}

std::unique_ptr<juce::XmlElement> findOwnState (const juce::MemoryBlock& hostState)
{
    std::unique_ptr<juce::XmlElement> found;
    visitChunk (hostState, nullptr, {}, found);
    return found;
}

juce::MemoryBlock editOwnState (const juce::MemoryBlock& hostState, const StateEdit& edit)
{
    std::unique_ptr<juce::XmlElement> found;
    juce::MemoryBlock rewritten;
    visitChunk (hostState, &rewritten, edit, found);
    return rewritten;
}

struct Format
{
    const char* name;
    std::function<std::unique_ptr<juce::AudioPluginFormat>()> make;
    std::function<juce::String (juce::AudioPluginFormat&)> identifier;
};

void PrintTo (const Format& f, std::ostream* os)
{
    *os << f.name;
}

std::unique_ptr<juce::AudioPluginInstance> load (juce::AudioPluginFormat& format, const juce::String& identifier)
{
    juce::OwnedArray<juce::PluginDescription> types;
    format.findAllTypesForFile (types, identifier);
    if (types.isEmpty())
        return nullptr;

    juce::String error;
    auto instance = format.createInstanceFromDescription (*types[0], 48000.0, 256, error);
    EXPECT_TRUE (error.isEmpty()) << error;
    return instance;
}

float peak (const juce::AudioBuffer<float>& buffer, int channel)
{
    return buffer.getMagnitude (channel, 0, buffer.getNumSamples());
}

juce::AudioBuffer<float> noiseBlock (int channels, int samples)
{
    juce::AudioBuffer<float> buffer (channels, samples);
    juce::Random random (7);
    for (int c = 0; c < channels; ++c)
        for (int i = 0; i < samples; ++i)
            buffer.setSample (c, i, random.nextFloat() - 0.5f);
    return buffer;
}
} // namespace

class HostedPlugin : public ::testing::TestWithParam<Format>
{
protected:
    void SetUp() override
    {
        format = GetParam().make();
        identifier = GetParam().identifier (*format);
    }

    std::unique_ptr<juce::AudioPluginFormat> format;
    juce::String identifier;
};

TEST_P (HostedPlugin, DescribesItselfAsTheQwelworksInstrument)
{
    juce::OwnedArray<juce::PluginDescription> types;
    format->findAllTypesForFile (types, identifier);
    ASSERT_EQ (types.size(), 1) << identifier;

    auto& d = *types[0];
    EXPECT_EQ (d.name, "Corvane");
    EXPECT_EQ (d.manufacturerName, "Qwelworks");
    EXPECT_TRUE (d.isInstrument);

    // JUCE's LV2 hosting reads no version from the manifest.
    if (juce::String (GetParam().name) == "VST3")
        EXPECT_EQ (d.version, "1.7.0");
}

TEST_P (HostedPlugin, OffersStereoAndMonoLayoutsAndPlaysSilenceIgnoringMidi)
{
    auto instance = load (*format, identifier);
    ASSERT_NE (instance, nullptr);

    EXPECT_EQ (instance->getMainBusNumOutputChannels(), 2);
    EXPECT_FALSE (instance->producesMidi());

    // An LV2 build always has an event input (the wrapper's time and patch messages), which
    // JUCE's LV2 hosting reports as MIDI input; the VST3 build has none.
    if (juce::String (GetParam().name) == "VST3")
    {
        EXPECT_FALSE (instance->acceptsMidi());

        juce::AudioProcessor::BusesLayout mono, mixed;
        mono.inputBuses.add (juce::AudioChannelSet::mono());
        mono.outputBuses.add (juce::AudioChannelSet::mono());
        mixed.inputBuses.add (juce::AudioChannelSet::mono());
        mixed.outputBuses.add (juce::AudioChannelSet::create5point1());
        EXPECT_TRUE (instance->checkBusesLayoutSupported (mono));
        EXPECT_FALSE (instance->checkBusesLayoutSupported (mixed));
    }

    instance->prepareToPlay (48000.0, 256);
    auto buffer = noiseBlock (2, 256);
    juce::MidiBuffer midi;
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, 1.0f), 0);
    instance->processBlock (buffer, midi);

    EXPECT_EQ (peak (buffer, 0), 0.0f);
    EXPECT_EQ (peak (buffer, 1), 0.0f);
    instance->releaseResources();
}

TEST_P (HostedPlugin, StateTravelsThroughTheWrapperIntoASecondInstance)
{
    auto first = load (*format, identifier);
    auto second = load (*format, identifier);
    ASSERT_NE (first, nullptr);
    ASSERT_NE (second, nullptr);

    juce::MemoryBlock state;
    first->getStateInformation (state);
    auto own = findOwnState (state);
    ASSERT_NE (own, nullptr) << "the frame's state element is not inside the wrapper's chunk";
    const auto firstId = own->getStringAttribute ("instanceid");
    EXPECT_EQ (firstId.length(), 32);

    const auto edited = editOwnState (state, [] (juce::XmlElement& xml)
    {
        xml.setAttribute ("guiw", 640);
        xml.setAttribute ("guih", 480);
        xml.setAttribute ("bypassed", 1);
    });
    second->setStateInformation (edited.getData(), (int) edited.getSize());

    juce::MemoryBlock restored;
    second->getStateInformation (restored);
    auto back = findOwnState (restored);
    ASSERT_NE (back, nullptr);
    EXPECT_EQ (back->getIntAttribute ("guiw"), 640);
    EXPECT_EQ (back->getIntAttribute ("guih"), 480);
    EXPECT_TRUE (back->getBoolAttribute ("bypassed"));
    EXPECT_EQ (back->getStringAttribute ("instanceid"), firstId);

    // Bypassed, the second instance hands the host's audio back untouched.
    second->prepareToPlay (48000.0, 256);
    auto buffer = noiseBlock (2, 256);
    const auto before = peak (buffer, 0);
    juce::MidiBuffer midi;
    second->processBlock (buffer, midi);
    EXPECT_EQ (peak (buffer, 0), before);
}

INSTANTIATE_TEST_SUITE_P (
    Formats,
    HostedPlugin,
    ::testing::Values (
        Format { "VST3",
                 [] { return std::make_unique<juce::VST3PluginFormat>(); },
                 [] (juce::AudioPluginFormat&) { return juce::String (CORVANE_VST3_BUNDLE); } },
        Format { "LV2",
                 [] { return std::make_unique<juce::LV2PluginFormat>(); },
                 [] (juce::AudioPluginFormat& f)
                 {
                     f.searchPathsForPlugins (juce::FileSearchPath (juce::File (CORVANE_LV2_BUNDLE).getParentDirectory().getFullPathName()), false, false);
                     return juce::String ("https://www.qwelworks.com/plugins/corvane");
                 } }),
    [] (const auto& info) { return std::string (info.param.name); });
