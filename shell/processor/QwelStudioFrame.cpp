#include "QwelStudioFrame.h"

#include "framework/product/Product.h"
#include "shell/routing/AudioNode.h"

QwelStudioFrame::QwelStudioFrame() = default;

QwelStudioFrame::~QwelStudioFrame()
{
    audioOutputPort = nullptr;
    routingWeb.setRootNode (nullptr);
    product.reset();
}

void QwelStudioFrame::prepareToPlay (double newSampleRate, int newBlockSize)
{
    sampleRate = newSampleRate;
    blockSize = newBlockSize;

    if (product != nullptr)
        product->prepareToPlay (newSampleRate, newBlockSize);

    const juce::ScopedLock sl (processLock);
    routingWeb.rebuildRenderOrder();

    // Gives every port its storage for the announced block size now, not on the audio thread.
    routingWeb.beginBlock (juce::jmax (1, newBlockSize));
}

void QwelStudioFrame::setAudioOutputPort (AudioPort* port)
{
    audioOutputPort = port;
    routingWeb.setRootNode (port != nullptr ? port->getOwnerNode() : nullptr);
}

void QwelStudioFrame::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    if (bypassed.load())
        return;

    const juce::ScopedNoDenormals noDenormals;
    const juce::ScopedLock sl (processLock);

    const int numSamples = buffer.getNumSamples();

    routingWeb.beginBlock (numSamples);
    routingWeb.render();

    midi.clear();

    if (auto* port = audioOutputPort.get())
    {
        const int channelsToWrite = juce::jmin (port->getNumChannels(), buffer.getNumChannels());

        for (int c = channelsToWrite; --c >= 0;)
        {
            const auto* source = port->getChannelData (c);
            const auto& record = port->getBuffer().getChannel (c);

            if (port->getWriteCount (c) == 0 || source == nullptr || record.size < numSamples)
                buffer.clear (c, 0, numSamples);
            else
                buffer.copyFrom (c, 0, source, numSamples);
        }
    }
}
