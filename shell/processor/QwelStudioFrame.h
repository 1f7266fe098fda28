#pragma once

#include "QwelFrame.h"
#include "shell/routing/AudioPort.h"
#include "shell/routing/AudioRoutingWeb.h"

// The frame with an audio routing web: every block renders the web and copies the output
// port to the host's channels.
class QwelStudioFrame : public QwelFrame
{
public:
    QwelStudioFrame();
    ~QwelStudioFrame() override;

    void prepareToPlay (double sampleRate, int blockSize) override;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using QwelFrame::processBlock;

    // The port whose channels reach the host; its node becomes the root of the web.
    void setAudioOutputPort (AudioPort* port);
    AudioRoutingWeb& getRoutingWeb() noexcept { return routingWeb; }

    double getSampleRate() const noexcept { return sampleRate; }
    int getBlockSize() const noexcept { return blockSize; }

private:
    AudioRoutingWeb routingWeb;
    double sampleRate = 0.0;
    int blockSize = 0;
    juce::WeakReference<AudioPort> audioOutputPort;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QwelStudioFrame)
};
