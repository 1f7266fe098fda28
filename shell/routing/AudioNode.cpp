#include "AudioNode.h"

void AudioNode::prepareBlock (int numSamples)
{
    if (ownsOutputBuffers)
        for (auto* port : audioOutputs)
            port->getBuffer().prepareOwnStorage (numSamples);

    for (auto* port : audioInputs)
        port->getBuffer().resetCounters();
    for (auto* port : audioOutputs)
        port->getBuffer().resetCounters();

    renderCount = upstream.size();
}

void AudioNode::process()
{
    // Inputs that nobody wrote read as silence.
    for (auto* port : audioInputs)
    {
        auto& buffer = port->getBuffer();
        for (int c = 0; c < buffer.getNumChannels(); ++c)
        {
            auto& ch = buffer.getChannel (c);
            if (ch.writeCount == 0 && ch.data != nullptr)
                juce::FloatVectorOperations::clear (ch.data, ch.size);
        }
    }

    renderBlock (audioOutputs.isEmpty() ? 0 : audioOutputs.getFirst()->getBuffer().getBlockLength());

    for (auto* port : audioOutputs)
        port->deliver();

    lowerRenderCount();
    for (auto* node : downstream)
        node->lowerRenderCount();
}
