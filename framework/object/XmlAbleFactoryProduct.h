#pragma once

#include "NamableObject.h"
#include "XmlAble.h"

class XmlAbleFactory;

// A saved object made by a factory.
class XmlAbleFactoryProduct : public XmlAble,
                              public virtual NamableObject
{
public:
    using XmlAble::XmlAble;
    ~XmlAbleFactoryProduct() override;

    void presetLoaded (PresetListBase* source, const juce::XmlElement& preset, QwelHistory* history) override
    {
        XmlAble::presetLoaded (source, preset, history);
    }
    bool acceptsPresets() override { return true; }
    virtual juce::String getIconName() const;

    void setFactory (XmlAbleFactory* newFactory);
    XmlAbleFactory* getFactory() const;

private:
    juce::WeakReference<XmlAbleFactory> factory;
};
