#pragma once

#include "framework/object/PresetSource.h"
#include "framework/object/PropertySource.h"
#include "framework/object/SimpleNamableObject.h"
#include "framework/object/XmlAble.h"
#include "framework/parameters/ParameterSource.h"
#include "framework/parameters/SimpleParameter.h"

class QwelFrame;
class QwelHistory;

// The framework's base of what a plug-in built on the frame actually is: its name, version,
// settings, presets of the frame's host-visible parameters, a saved default state, and the
// components it shows in the frame's editor.
class Product : public virtual XmlAble,
                public ParameterSource,
                public juce::MouseListener,
                public PresetSource,
                public PropertySource,
                public virtual SimpleNamableObject
{
public:
    // The settings row that saves the current state as the product's default.
    class SafeDefaultButton : public juce::ButtonPropertyComponent
    {
    public:
        explicit SafeDefaultButton (Product& product);
        void buttonClicked() override;
        juce::String getButtonText() const override { return "save"; }

    private:
        juce::WeakReference<Product> product;
    };

    // Hands the product to the frame, which owns it from then on.
    Product (QwelFrame& frame, const juce::String& name);
    ~Product() override;

    virtual juce::String getPresetType() { return getName(); }
    virtual double getVersion() { return 1.0; }
    // The panel the frame's editor shows; the caller owns it. By default a column of
    // sliders for the product's parameters.
    virtual juce::Component* createParametersComponent();

    virtual void prepareToPlay (double sampleRate, int blockSize) { juce::ignoreUnused (sampleRate, blockSize); }
    virtual void releaseResources() {}
    // Runs when the frame starts a new session.
    virtual void resetSession() {}

    int getNumParameters() override { return 0; }
    Parameter* getParameter (int) override { return nullptr; }

    // The caller owns the rows: saving the default state, and the help delay.
    juce::Array<juce::PropertyComponent*> getProperties() override;
    juce::String getPropertiesTitle() override { return "global settings"; }

    // A preset of the frame's host-visible parameters; the caller owns it.
    Preset* createPreset() override;
    // The frame's host-visible parameters read from the preset, each change undoable in the history.
    virtual void applyPreset (const juce::XmlElement& element, QwelHistory* history);
    void presetLoaded (PresetListBase* source, const juce::XmlElement& preset, QwelHistory* history) override;

    std::unique_ptr<juce::XmlElement> createXml() override { return makeXml ("product"); }
    juce::String getXmlTag() override { return makeXmlTag ("product"); }
    juce::String getTypeName() const override { return getName(); }
    void readAttributes (const juce::XmlElement&, int, QwelHistory*) override {}
    void writeAttributes (juce::XmlElement&, int) override {}

    QwelFrame* getFrame() const;

    // "default.xml" in the user's data folder for this product.
    juce::File getDefaultFile();
    // Writes the product's state as its default; an existing file is only replaced after
    // the user agrees in a menu that does not block the host.
    virtual void saveAsDefault();
    // Writes the default file at once; false when it cannot be written.
    bool writeDefault();
    // Restores the product from its default file when there is a readable one.
    virtual bool loadDefault();

    // Seconds the pointer rests before help appears.
    SimpleParameter& getHelpDelay() noexcept { return helpDelay; }

private:
    juce::WeakReference<QwelFrame> frame;
    SimpleParameter helpDelay { "helpDelay", 0.0, 2.0, 0.2 };

    JUCE_DECLARE_WEAK_REFERENCEABLE (Product)
};
