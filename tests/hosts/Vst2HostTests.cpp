// A minimal VST2 host over Debian's FST headers: loads the built VST2 binary with dlopen,
// as a host would, and talks to it only through the plug-in's C interface.
#include <gtest/gtest.h>

#include <juce_audio_processors/juce_audio_processors.h>

#include <dlfcn.h>

// JUCE declares its own AEffect; the plug-in interface types stay in a namespace of their own.
namespace Fst
{
#include <pluginterfaces/fst/fst.h>
}

namespace
{
using namespace Fst;

VstIntPtr hostCallback (Fst::AEffect*, int opcode, int, VstIntPtr, void*, float)
{
    switch (opcode)
    {
        case audioMasterVersion: return 2400;
        case audioMasterCurrentId: return 0;
        default: return 0;
    }
}

class Vst2Plugin
{
public:
    explicit Vst2Plugin (const char* path)
    {
        library = dlopen (path, RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return;

        using Entry = Fst::AEffect* (*) (audioMasterCallback);
        auto entry = reinterpret_cast<Entry> (dlsym (library, "VSTPluginMain"));
        if (entry == nullptr)
            entry = reinterpret_cast<Entry> (dlsym (library, "main"));
        if (entry != nullptr)
            effect = entry (reinterpret_cast<audioMasterCallback> (&hostCallback));
        if (effect != nullptr)
            dispatch (effOpen);
    }

    ~Vst2Plugin()
    {
        if (effect != nullptr)
            dispatch (effClose);
        // The library stays loaded: its JUCE copy keeps process-wide state until exit.
    }

    VstIntPtr dispatch (int opcode, int index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0.0f)
    {
        return effect->dispatcher (effect, opcode, index, value, ptr, opt);
    }

    juce::String text (int opcode, int index = 0)
    {
        char buffer[256] = {};
        dispatch (opcode, index, 0, buffer);
        return juce::String (buffer);
    }

    juce::MemoryBlock chunk()
    {
        void* data = nullptr;
        const auto size = dispatch (effGetChunk, 0, 0, &data);
        return data != nullptr && size > 0 ? juce::MemoryBlock (data, (size_t) size) : juce::MemoryBlock();
    }

    void setChunk (juce::MemoryBlock& block)
    {
        dispatch (effSetChunk, 0, (VstIntPtr) block.getSize(), block.getData());
    }

    void start (float sampleRate, int blockSize)
    {
        dispatch (effSetSampleRate, 0, 0, nullptr, sampleRate);
        dispatch (effSetBlockSize, 0, blockSize);
        dispatch (effMainsChanged, 0, 1);
    }

    void stop() { dispatch (effMainsChanged, 0, 0); }

    void process (juce::AudioBuffer<float>& in, juce::AudioBuffer<float>& out)
    {
        effect->processReplacing (effect, const_cast<float**> (in.getArrayOfWritePointers()), const_cast<float**> (out.getArrayOfWritePointers()), out.getNumSamples());
    }

    void* library = nullptr;
    Fst::AEffect* effect = nullptr;
};

juce::AudioBuffer<float> noise (int samples)
{
    juce::AudioBuffer<float> buffer (2, samples);
    juce::Random random (3);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < samples; ++i)
            buffer.setSample (c, i, random.nextFloat() - 0.5f);
    return buffer;
}
} // namespace

TEST (Vst2Host, SeesTheInstrumentWithItsUniqueIdChannelsAndOneProgram)
{
    Vst2Plugin plugin (CORVANE_VST2_BINARY);
    ASSERT_NE (plugin.effect, nullptr) << dlerror();

    auto* e = plugin.effect;
    EXPECT_EQ (e->magic, 0x56737450);
    EXPECT_EQ (e->uniqueID, ('C' << 24) | ('R' << 16) | ('V' << 8) | 'N');
    EXPECT_EQ (e->numInputs, 2);
    EXPECT_EQ (e->numOutputs, 2);
    EXPECT_EQ (e->numPrograms, 1);
    EXPECT_NE (e->flags & effFlagsIsSynth, 0);
    EXPECT_NE (e->flags & effFlagsProgramChunks, 0);
    EXPECT_EQ (plugin.dispatch (effGetPlugCategory), kPlugCategSynth);
    EXPECT_EQ (plugin.text (effGetEffectName), "Corvane");
    EXPECT_EQ (plugin.text (effGetVendorString), "Qwelworks");
    EXPECT_EQ (plugin.text (effGetProgramName), "Corvane");

    plugin.start (48000.0f, 128);
    auto in = noise (128);
    auto out = noise (128);
    plugin.process (in, out);
    EXPECT_EQ (out.getMagnitude (0, 0, 128), 0.0f);
    EXPECT_EQ (out.getMagnitude (1, 0, 128), 0.0f);
    plugin.stop();
}

TEST (Vst2Host, StateChunkRestoresIntoASecondInstance)
{
    Vst2Plugin first (CORVANE_VST2_BINARY), second (CORVANE_VST2_BINARY);
    ASSERT_NE (first.effect, nullptr);
    ASSERT_NE (second.effect, nullptr);

    auto saved = first.chunk();
    auto xml = juce::AudioProcessor::getXmlFromBinary (saved.getData(), (int) saved.getSize());
    ASSERT_NE (xml, nullptr);
    ASSERT_TRUE (xml->hasTagName ("Corvane"));

    xml->setAttribute ("guiw", 700);
    xml->setAttribute ("guih", 420);
    xml->setAttribute ("bypassed", 1);
    juce::MemoryBlock edited;
    juce::AudioProcessor::copyXmlToBinary (*xml, edited);
    second.setChunk (edited);

    auto restored = second.chunk();
    auto back = juce::AudioProcessor::getXmlFromBinary (restored.getData(), (int) restored.getSize());
    ASSERT_NE (back, nullptr);
    EXPECT_EQ (back->getIntAttribute ("guiw"), 700);
    EXPECT_EQ (back->getIntAttribute ("guih"), 420);
    EXPECT_EQ (back->getStringAttribute ("instanceid"), xml->getStringAttribute ("instanceid"));

    // Bypassed, the block comes back as the host passed it in.
    second.start (48000.0f, 64);
    auto in = noise (64);
    juce::AudioBuffer<float> out (2, 64);
    out.makeCopyOf (in);
    second.process (out, out);
    EXPECT_EQ (out.getSample (0, 10), in.getSample (0, 10));
    second.stop();
}
