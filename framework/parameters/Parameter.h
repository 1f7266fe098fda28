#pragma once

#include "ModulationTarget.h"
#include "ParameterOption.h"
#include "ParameterTextConverter.h"
#include "ParameterTextReader.h"
#include "ParameterValueSink.h"
#include "UISource.h"

class QwelHistory;

// A named value with a range, its options, its text, its listeners and its saved form. The
// normalised view (0 at the minimum, 1 at the maximum) is what hosts, controls and undo
// records use. Values change on the message thread, under the model lock when the audio
// thread can see them; the audio thread reads the audio copy.
class Parameter : public ModulationTarget,
                  public juce::ChangeListener,
                  public ParameterTextConverter,
                  public UISource
{
public:
    // Told synchronously, in the order of registration, of every value change.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void parameterChanged (Parameter* parameter) = 0;
    };

    // Told when a control of the parameter is pressed and released.
    class GestureListener
    {
    public:
        virtual ~GestureListener() = default;
        virtual void parameterMouseDown (Parameter* parameter) = 0;
        virtual void parameterMouseUp (Parameter* parameter) = 0;
    };

    explicit Parameter (const juce::String& name);
    ~Parameter() override;

    // The state form: tag is the name in lower case followed by "parameter".
    std::unique_ptr<juce::XmlElement> createXml() override { return makeXml ("parameter"); }
    juce::String getXmlTag() override { return makeXmlTag ("parameter"); }
    juce::String getTypeName() const override { return getName(); }
    void readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history) override;
    void writeAttributes (juce::XmlElement& element, int mode) override;

    juce::String getName() const override { return SimpleNamableObject::getName(); }
    // The icon of the option that matches the value, else the parameter's own.
    juce::String getIconName() const override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override { sendChangeMessage(); }

    // Opens the option menu on the control; a choice is applied under the control's lock and
    // recorded in its history.
    virtual void showPopupMenu (juce::Component* slider);
    virtual juce::String getText();
    virtual void savePreset (juce::XmlElement& parent, int mode, const juce::String& suffix = {});
    // Locked parameters keep their value, except when the host restores its state (mode 0).
    virtual void loadPreset (const juce::XmlElement& element, int mode, QwelHistory* history, const juce::String& suffix = {});
    virtual std::unique_ptr<juce::XmlElement> createPresetXml (const juce::String& suffix = {});
    // Drags: the value at the gesture start moved by delta × step (normalised).
    virtual void nudge (const juce::MouseEvent& event, double delta, double step);
    // The caller owns the control; the controls live with the parameter controls.
    virtual juce::Component* createSlider() { return nullptr; }
    juce::String convertToText (Parameter& parameter) override;
    juce::String getLabel (Parameter& parameter) override { return parameter.getDisplayName(); }
    virtual double getMinimum() const { return 0.0; }
    virtual double getMaximum() const { return 1.0; }
    virtual double getDefault() const { return 0.0; }
    virtual void quantize (double newValue);
    virtual void addOption (ParameterOption* option);
    virtual ParameterTextReader* getTextReader() const { return textReader.get(); }
    virtual void setTextReader (ParameterTextReader* reader) { textReader = reader; }
    virtual double getGestureStart() const { return gestureStart; }
    virtual const void* getCurrentOptionId() const { return currentOptionId; }
    virtual void setCurrentOptionId (const void* optionId) { currentOptionId = optionId; }
    virtual ParameterValueSink* getValueSink() const { return valueSink.get(); }
    virtual void setHelpText (const juce::String& text) { helpText = text; }
    virtual juce::String getHelpText() const { return helpText; }
    virtual void setDisplayName (const juce::String& text) { displayName = text; }
    virtual juce::String getDisplayName() const { return displayName.isNotEmpty() ? displayName : getName(); }
    virtual bool hasOptionMenu() const { return optionsMenu && ! options.isEmpty(); }
    virtual void setOptionMenu (bool shouldShowMenu) { optionsMenu = shouldShowMenu; }
    virtual double getRange() const { return getMaximum() - getMinimum(); }
    // Normalised change per pixel of drag, or per wheel step.
    virtual double getStepSize (const juce::ModifierKeys& modifiers, bool wheel) const = 0;
    virtual double readValue (Parameter& parameter, const juce::String& text) = 0;
    virtual void setWheelStepSize (const juce::ModifierKeys& modifiers, double steps) = 0;

    double getValue() const noexcept { return value; }
    float getAudioValue() const noexcept { return audioCopy.load (std::memory_order_relaxed); }
    double getNormalized() const;

    void setValue (QwelHistory* history, const juce::String& changeName, bool notify, double newValue);
    void setNormalized (QwelHistory* history, bool notify, double normalizedValue);
    void beginGesture();
    // Records the gesture as one undo step, in a transaction named after the change when one
    // is given; a gesture that ends where it began records nothing.
    void endGesture (QwelHistory* history, const juce::String& changeName);

    void addListener (Listener* listener) { listeners.addIfNotAlreadyThere (listener); }
    void removeListener (Listener* listener) { listeners.removeFirstMatchingValue (listener); }
    void addGestureListener (GestureListener* listener) { gestureListeners.addIfNotAlreadyThere (listener); }
    void removeGestureListener (GestureListener* listener) { gestureListeners.removeFirstMatchingValue (listener); }
    void notifyMouseDown();
    void notifyMouseUp();

    int getNumOptions() const noexcept { return options.size(); }
    ParameterOption* getOption (int index) const noexcept { return options[index]; }
    // The option the value stands for, as the text shows it; null when there is none.
    ParameterOption* findCurrentOption() const;

    ParameterTextConverter* getTextConverter() const { return textConverter.get(); }
    void setTextConverter (ParameterTextConverter* converter) { textConverter = converter; }
    void setValueSink (ParameterValueSink* sink) { valueSink = sink; }

    void setLocked (bool shouldBeLocked) noexcept { locked = shouldBeLocked; }
    bool isLocked() const noexcept { return locked; }
    void setClampToRange (bool shouldClamp) noexcept { clampToRange = shouldClamp; }
    bool isClampedToRange() const noexcept { return clampToRange; }
    void setUndoable (bool shouldBeUndoable) noexcept { undoable = shouldBeUndoable; }
    bool isUndoable() const noexcept { return undoable; }
    void setContinuousOptions (bool areContinuous) noexcept { continuousOptions = areContinuous; }
    bool hasContinuousOptions() const noexcept { return continuousOptions; }
    void setDisplayOnly (bool shouldOnlyDisplay) noexcept { displayOnly = shouldOnlyDisplay; }
    bool isDisplayOnly() const noexcept { return displayOnly; }
    void setIconName (const juce::String& newIconName) { iconName = newIconName; }
    const juce::String& getOwnIconName() const noexcept { return iconName; }

    // Finds the element a preset keeps this parameter in under the key, or null.
    const juce::XmlElement* findPresetXml (const juce::XmlElement& element, const juce::String& key) const;

    // A finite number from the attribute; the fallback when it is missing, empty, not a
    // number, or not finite.
    static double readNumber (const juce::XmlElement& element, const juce::String& attribute, double fallback);

protected:
    void storeValue (double newValue) noexcept { value = newValue; }
    void storeAudioValue (float newValue) noexcept { audioCopy.store (newValue, std::memory_order_relaxed); }

private:
    juce::String optionOrConverterText (const ParameterOption* option);

    // An odd start value makes the first setValue always take effect.
    double value = 345236256.12325346;
    std::atomic<float> audioCopy { 0.0f };
    double gestureStart = 0.0;
    juce::OwnedArray<ParameterOption> options;
    const void* currentOptionId = nullptr;
    juce::WeakReference<ParameterTextConverter> textConverter;
    juce::WeakReference<ParameterTextReader> textReader;
    juce::WeakReference<ParameterValueSink> valueSink;
    juce::Array<Listener*> listeners;
    juce::Array<GestureListener*> gestureListeners;
    juce::String iconName, displayName, helpText;
    bool undoable = true;
    bool clampToRange = true;
    bool locked = false;
    bool optionsMenu = true;
    bool continuousOptions = false;
    bool displayOnly = false;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Parameter)
    JUCE_DECLARE_NON_COPYABLE (Parameter)
};
