#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <vector>

// The channel buffers of an audio port. Each channel either owns its storage or points at
// memory of someone else; the write counter tells whether anybody wrote it in this block.
// Storage only grows, so blocks no longer than an earlier one allocate nothing.
template <typename SampleType>
class MultiClientAudioSampleBuffer
{
public:
    struct Channel
    {
        float lastIndex = -1.0f;
        int size = 0;
        SampleType* data = nullptr;
        int capacity = 0;
        juce::HeapBlock<SampleType> storage;
        int writeCount = 0;
        int secondCount = 0;
    };

    explicit MultiClientAudioSampleBuffer (int initialChannels = 1) { setNumChannels (initialChannels); }

    int getNumChannels() const noexcept { return numChannels; }
    int getBlockLength() const noexcept { return blockLength; }

    void setNumChannels (int newNumChannels)
    {
        numChannels = juce::jmax (0, newNumChannels);
        while ((int) channels.size() < numChannels)
            channels.push_back (std::make_unique<Channel>());
        channelPointers.resize ((size_t) numChannels, nullptr);
    }

    Channel& getChannel (int index) noexcept { return *channels[(size_t) index]; }
    const Channel& getChannel (int index) const noexcept { return *channels[(size_t) index]; }

    // Points every channel at its own storage of at least n samples.
    void prepareOwnStorage (int numSamples)
    {
        blockLength = numSamples;
        for (int c = 0; c < numChannels; ++c)
        {
            auto& ch = getChannel (c);
            if (ch.capacity < numSamples)
            {
                ch.storage.allocate ((size_t) numSamples, true);
                ch.capacity = numSamples;
            }
            ch.data = ch.storage.get();
            ch.size = numSamples;
            ch.lastIndex = (float) numSamples - 1.0f;
        }
    }

    void resetCounters() noexcept
    {
        for (int c = 0; c < numChannels; ++c)
        {
            auto& ch = getChannel (c);
            ch.writeCount = 0;
            ch.secondCount = 0;
        }
    }

    // Wraps the channels as a buffer that refers to their memory; nothing is allocated
    // as long as the channel count is unchanged.
    juce::AudioBuffer<SampleType> wrap (int numSamples)
    {
        for (int c = 0; c < numChannels; ++c)
            channelPointers[(size_t) c] = getChannel (c).data;
        return juce::AudioBuffer<SampleType> (channelPointers.data(), numChannels, numSamples);
    }

private:
    std::vector<std::unique_ptr<Channel>> channels;
    std::vector<SampleType*> channelPointers;
    int numChannels = 0;
    int blockLength = 0;
};
