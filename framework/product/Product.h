#pragma once

#include "framework/object/PresetSource.h"
#include "framework/object/PropertySource.h"
#include "framework/object/SimpleNamableObject.h"
#include "framework/object/XmlAble.h"
#include "framework/parameters/ParameterSource.h"

class QwelFrame;

// The framework's base of what a plug-in built on the frame actually is: its name, version,
// settings and the components it shows in the frame's editor.
class Product : public virtual XmlAble,
                public ParameterSource,
                public juce::MouseListener,
                public PresetSource,
                public PropertySource,
                public virtual SimpleNamableObject
{
public:
    // Hands the product to the frame, which owns it from then on.
    Product (QwelFrame& frame, const juce::String& name);
    ~Product() override;

    virtual juce::String getPresetType() { return getName(); }
    virtual double getVersion() { return 1.0; }
    // The panel the frame's editor shows; the caller owns it. May be null.
    virtual juce::Component* createParametersComponent() { return nullptr; }

    virtual void prepareToPlay (double sampleRate, int blockSize) { juce::ignoreUnused (sampleRate, blockSize); }
    virtual void releaseResources() {}
    // Runs when the frame starts a new session.
    virtual void resetSession() {}

    int getNumParameters() override { return 0; }
    Parameter* getParameter (int) override { return nullptr; }

    juce::String getPropertiesTitle() override { return "global settings"; }
    Preset* createPreset() override { return nullptr; }

    std::unique_ptr<juce::XmlElement> createXml() override { return makeXml ("product"); }
    juce::String getXmlTag() override { return makeXmlTag ("product"); }
    juce::String getTypeName() const override { return getName(); }
    void readAttributes (const juce::XmlElement&, int, QwelHistory*) override {}
    void writeAttributes (juce::XmlElement&, int) override {}

    QwelFrame* getFrame() const;

private:
    juce::WeakReference<QwelFrame> frame;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Product)
};
