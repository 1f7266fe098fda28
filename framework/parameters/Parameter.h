#pragma once

#include "framework/object/IconSource.h"
#include "framework/object/SimpleNamableObject.h"
#include "framework/object/XmlAble.h"

class QwelHistory;

// A named value with a range, its text, its listeners and its saved form. The normalised
// view (0 at the minimum, 1 at the maximum) is what hosts, controls and undo records use.
class Parameter : public SimpleNamableObject,
                  public XmlAble,
                  public IconSource
{
public:
    // Told synchronously, in the order of registration, of every value change.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void parameterChanged (Parameter* parameter) = 0;
    };

    explicit Parameter (const juce::String& parameterName);
    ~Parameter() override;

    // The saved form: tag is the name in lower case followed by "parameter".
    std::unique_ptr<juce::XmlElement> createXml() override { return makeXml ("parameter"); }
    juce::String getXmlTag() override { return makeXmlTag ("parameter"); }
    juce::String getTypeName() const override { return getName(); }
    void readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history) override;
    void writeAttributes (juce::XmlElement& element, int mode) override;

    juce::String getName() const override { return SimpleNamableObject::getName(); }
    juce::String getIconName() const override { return iconName; }

    virtual juce::String getText();
    virtual void savePreset (juce::XmlElement& parent, int mode, const juce::String& suffix = {});
    virtual void loadPreset (const juce::XmlElement& element, int mode, QwelHistory* history, const juce::String& suffix = {});
    virtual std::unique_ptr<juce::XmlElement> createPresetXml (const juce::String& suffix = {});
    virtual juce::String convertToText (Parameter& parameter);
    virtual double getMinimum() const { return 0.0; }
    virtual double getMaximum() const { return 1.0; }
    virtual double getDefault() const { return 0.0; }
    virtual void quantize (double newValue);
    virtual juce::String getDisplayName() const { return displayName.isNotEmpty() ? displayName : getName(); }
    virtual void setDisplayName (const juce::String& text) { displayName = text; }
    virtual double getRange() const { return getMaximum() - getMinimum(); }

    double getValue() const noexcept { return value; }
    float getAudioValue() const noexcept { return audioCopy.load (std::memory_order_relaxed); }
    double getNormalized() const;

    void setValue (QwelHistory* history, const juce::String& changeName, bool notify, double newValue);
    void setNormalized (QwelHistory* history, bool notify, double normalizedValue);

    void addListener (Listener* listener) { listeners.addIfNotAlreadyThere (listener); }
    void removeListener (Listener* listener) { listeners.removeFirstMatchingValue (listener); }

    void setLocked (bool shouldBeLocked) noexcept { locked = shouldBeLocked; }
    bool isLocked() const noexcept { return locked; }
    void setClampToRange (bool shouldClamp) noexcept { clampToRange = shouldClamp; }
    void setIconName (const juce::String& newIconName) { iconName = newIconName; }

    // Finds the element a preset keeps this parameter in, or null.
    const juce::XmlElement* findPresetXml (const juce::XmlElement& element, const juce::String& key) const;

protected:
    void storeValue (double newValue) noexcept { value = newValue; }
    void storeAudioValue (float newValue) noexcept { audioCopy.store (newValue, std::memory_order_relaxed); }

private:
    // An odd start value makes the first setValue always take effect.
    double value = 345236256.12325346;
    std::atomic<float> audioCopy { 0.0f };
    juce::Array<Listener*> listeners;
    juce::String iconName, displayName;
    bool clampToRange = true;
    bool locked = false;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Parameter)
    JUCE_DECLARE_NON_COPYABLE (Parameter)
};
