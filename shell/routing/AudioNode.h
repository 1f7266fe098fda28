#pragma once

#include "AudioPort.h"
#include "RoutingNode.h"

// A routing node with audio and MIDI ports. Before each block it gives its outputs storage
// for the block and resets every port's write counters.
class AudioNode : public RoutingNode
{
public:
    explicit AudioNode (const juce::String& nodeName = {}) : RoutingNode (nodeName) {}
    ~AudioNode() override = default;

    void prepareBlock (int numSamples) override;
    void process() override;

    // Takes ownership.
    AudioPort* addAudioOutput (AudioPort* port) { return audioOutputs.add (port); }
    AudioPort* addAudioInput (AudioPort* port) { return audioInputs.add (port); }

    int getNumAudioOutputs() const noexcept { return audioOutputs.size(); }
    AudioPort* getAudioOutput (int index) const noexcept { return audioOutputs[index]; }

protected:
    juce::OwnedArray<AudioPort> audioInputs, audioOutputs;
    bool ownsOutputBuffers = true;
};
