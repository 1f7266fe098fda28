#pragma once

#include "framework/object/XmlAble.h"
#include "shell/routing/AudioNode.h"

// The librarian as a node of the routing web: one stereo output port that carries the preview.
class CorvaneNode : public AudioNode,
                    public virtual XmlAble
{
public:
    CorvaneNode();
    ~CorvaneNode() override;

    // Runs on the audio thread with the frame's process lock held.
    void renderBlock (int numSamples) override;

    AudioPort* getOutputPort() const noexcept { return outputPort; }

    std::unique_ptr<juce::XmlElement> createXml() override { return makeXml ("CorvaneNode"); }
    juce::String getXmlTag() override { return makeXmlTag ("CorvaneNode"); }
    void readAttributes (const juce::XmlElement&, int, QwelHistory*) override {}
    void writeAttributes (juce::XmlElement&, int) override {}

private:
    AudioPort* outputPort = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CorvaneNode)
};
