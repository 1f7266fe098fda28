#pragma once

#include "IdObject.h"
#include "PresetListListener.h"

#include <memory>

// The persistence contract of every saved object. An object writes one child element into
// its parent; its tag is the type name followed by the class word, in lower case.
// Modes: 0 the plug-in state (ids included), 1 a preset (ids kept, locked values untouched),
// 2 like 0.
class XmlAble : public virtual IdObject,
                public PresetListListener
{
public:
    enum Mode
    {
        stateMode = 0,
        presetMode = 1,
        copyMode = 2
    };

    explicit XmlAble (const juce::String& initialTypeName = {}) : xmlTypeName (initialTypeName) {}
    ~XmlAble() override = default;

    void presetLoaded (PresetListBase* source, const juce::XmlElement& preset, QwelHistory* history) override;
    bool acceptsPresets() override { return true; }

    virtual void saveToXml (juce::XmlElement& parent, int mode);
    virtual void loadFromXml (const juce::XmlElement& parent, int mode, QwelHistory* history);
    virtual std::unique_ptr<juce::XmlElement> createXml() = 0;
    virtual juce::String getXmlTag() = 0;
    virtual const juce::XmlElement* findXml (const juce::XmlElement& parent);
    virtual juce::String getTypeName() const { return xmlTypeName; }
    virtual void readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history) = 0;
    virtual void writeAttributes (juce::XmlElement& element, int mode) = 0;

protected:
    void setTypeName (const juce::String& newTypeName) { xmlTypeName = newTypeName; }

    // Helpers for the usual implementations of getXmlTag and createXml.
    juce::String makeXmlTag (const juce::String& classWord) const;
    std::unique_ptr<juce::XmlElement> makeXml (const juce::String& classWord);

private:
    juce::String xmlTypeName;
};
