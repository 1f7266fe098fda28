#pragma once

#include "shell/routing/AudioNode.h"
#include "tagdb/Corvane.h"

// The librarian as a node of the routing web: the library itself, with one stereo output port
// that carries the preview. It always works on the default database of the user.
class CorvaneNode : public AudioNode,
                    public Corvane
{
public:
    CorvaneNode();
    ~CorvaneNode() override;

    // Runs on the audio thread with the frame's process lock held.
    void renderBlock (int numSamples) override;

    AudioPort* getOutputPort() const noexcept { return outputPort; }

    std::unique_ptr<juce::XmlElement> createXml() override { return makeXml ("CorvaneNode"); }
    juce::String getXmlTag() override { return makeXmlTag ("CorvaneNode"); }
    // The node's settings are the library's.
    void readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history) override
    {
        Corvane::readAttributes (element, mode, history);
    }
    void writeAttributes (juce::XmlElement& element, int mode) override { Corvane::writeAttributes (element, mode); }

private:
    AudioPort* outputPort = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CorvaneNode)
};
