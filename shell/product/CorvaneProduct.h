#pragma once

#include "CorvaneNode.h"
#include "framework/product/Product.h"

class QwelFrame;

// The product the frame hosts: the framework's product joined with the librarian's node.
class CorvaneProduct : public Product,
                       public CorvaneNode
{
public:
    explicit CorvaneProduct (QwelFrame& hostFrame);
    ~CorvaneProduct() override;

    double getVersion() override { return 1.7; }
    void prepareToPlay (double sampleRate, int blockSize) override;
    void releaseResources() override {}

    std::unique_ptr<juce::XmlElement> createXml() override { return CorvaneNode::createXml(); }
    juce::String getXmlTag() override { return CorvaneNode::getXmlTag(); }
    juce::String getTypeName() const override { return Product::getTypeName(); }
    void readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history) override
    {
        CorvaneNode::readAttributes (element, mode, history);
    }
    void writeAttributes (juce::XmlElement& element, int mode) override { CorvaneNode::writeAttributes (element, mode); }

    juce::String getIconName() const override { return "logo"; }
    juce::String getPropertiesTitle() override { return Corvane::getPropertiesTitle(); }
    juce::Array<juce::PropertyComponent*> getProperties() override { return Corvane::getProperties(); }

    // The default editor size: a fifth of the main display's width and four fifths of its height.
    static juce::Rectangle<int> defaultEditorSize (juce::Rectangle<int> userArea);

private:
    static void applyDefaultEditorSize (QwelFrame& hostFrame);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CorvaneProduct)
};
