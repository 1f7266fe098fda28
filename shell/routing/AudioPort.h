#pragma once

#include "AudioItem.h"
#include "MultiClientAudioSampleBuffer.h"

class AudioNode;

// A port of a routing node.
class NodePort : public AudioItem
{
public:
    explicit NodePort (AudioNode* ownerNode, const juce::String& portName = {}) : AudioItem (portName), owner (ownerNode) {}
    ~NodePort() override = default;

    AudioNode* getOwnerNode() const noexcept { return owner; }

private:
    AudioNode* owner;
};

// A port whose connections carry one kind of signal.
template <class ConnectionType>
class TypedNodePort : public NodePort
{
public:
    using NodePort::NodePort;
    int getNumConnections() const noexcept { return connections.size(); }

protected:
    juce::Array<ConnectionType*> connections;
};

// A link between two audio ports. No product of this plug-in connects ports.
class AudioConnection
{
};

// An audio port with its channel buffers.
class AudioPort : public TypedNodePort<AudioConnection>
{
public:
    AudioPort (AudioNode* owner, bool isOutput, int numChannels = 2);
    ~AudioPort() override;

    bool isOutput() const noexcept { return output; }
    MultiClientAudioSampleBuffer<float>& getBuffer() noexcept { return buffer; }

    int getNumChannels() const noexcept { return buffer.getNumChannels(); }
    const float* getChannelData (int channel) const noexcept { return buffer.getChannel (channel).data; }
    int getWriteCount (int channel) const noexcept { return buffer.getChannel (channel).writeCount; }
    void markWritten (int channel) noexcept { ++buffer.getChannel (channel).writeCount; }

    // Hands the channels to the connections; nothing to do without any.
    void deliver() {}

private:
    bool output;
    MultiClientAudioSampleBuffer<float> buffer;

    JUCE_DECLARE_WEAK_REFERENCEABLE (AudioPort)
};
