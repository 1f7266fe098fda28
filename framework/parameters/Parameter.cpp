#include "Parameter.h"

#include "ParameterChangeHistoryItem.h"
#include "ParameterOptionHandler.h"
#include "UndoableParameterChange.h"
#include "framework/object/ServiceLookup.h"
#include "shell/history/QwelHistory.h"

Parameter::Parameter (const juce::String& parameterName)
    : ModulationTarget (parameterName)
{
    textConverter = this;
}

Parameter::~Parameter()
{
    masterReference.clear();
}

double Parameter::getNormalized() const
{
    const auto minimum = getMinimum();
    const auto maximum = getMaximum();

    if (minimum == maximum)
        return maximum;

    return (value - minimum) / (maximum - minimum);
}

void Parameter::setValue (QwelHistory* history, const juce::String& changeName, bool notify, double newValue)
{
    // A value that is no number would poison every comparison and clamp after it.
    if (newValue == value || ! std::isfinite (newValue))
        return;

    if (clampToRange)
        newValue = juce::jlimit (getMinimum(), getMaximum(), newValue);

    if (history != nullptr)
        gestureStart = getNormalized();

    value = newValue;
    quantize (newValue);

    if (auto* sink = valueSink.get())
        sink->parameterValueSet (*this, value);

    if (notify)
        notifyModulationObservers (value);

    if (history != nullptr)
        endGesture (history, changeName);

    sendChangeMessage();

    for (int i = 0; i < listeners.size(); ++i)
        listeners.getUnchecked (i)->parameterChanged (this);
}

void Parameter::setNormalized (QwelHistory* history, bool notify, double normalizedValue)
{
    if (normalizedValue != getNormalized())
        setValue (history, {}, notify, getMinimum() + normalizedValue * getRange());
}

void Parameter::nudge (const juce::MouseEvent&, double delta, double step)
{
    const auto target = delta * step + gestureStart;

    if (target != getNormalized())
        setValue (nullptr, {}, true, getMinimum() + target * getRange());
}

void Parameter::beginGesture()
{
    gestureStart = getNormalized();
}

void Parameter::endGesture (QwelHistory* history, const juce::String& changeName)
{
    if (! undoable || history == nullptr)
        return;

    const auto now = getNormalized();
    if (gestureStart == now)
        return;

    if (changeName.isNotEmpty())
        history->beginNewTransaction ("change \"" + changeName + "\"");

    history->perform (new ParameterChangeHistoryItem (*this, gestureStart, now));
}

void Parameter::notifyMouseDown()
{
    for (int i = 0; i < gestureListeners.size(); ++i)
        gestureListeners.getUnchecked (i)->parameterMouseDown (this);
}

void Parameter::notifyMouseUp()
{
    for (int i = 0; i < gestureListeners.size(); ++i)
        gestureListeners.getUnchecked (i)->parameterMouseUp (this);
}

void Parameter::quantize (double newValue)
{
    storeAudioValue ((float) newValue);
}

void Parameter::addOption (ParameterOption* option)
{
    if (option != nullptr)
        options.add (option);
}

ParameterOption* Parameter::findCurrentOption() const
{
    if (options.isEmpty() || continuousOptions)
        return nullptr;

    const auto matches = [this] (const ParameterOption* option)
    {
        return (currentOptionId != nullptr && option->getOptionId() == currentOptionId) || option->getValue() == value;
    };

    if (options.size() == 2)
        return matches (options.getFirst()) ? options.getFirst() : options.getLast();

    for (int i = options.size(); --i >= 0;)
        if (matches (options.getUnchecked (i)))
            return options.getUnchecked (i);

    return nullptr;
}

juce::String Parameter::getText()
{
    return optionOrConverterText (findCurrentOption());
}

juce::String Parameter::optionOrConverterText (const ParameterOption* option)
{
    if (option != nullptr)
        return option->getName();

    if (auto* converter = textConverter.get())
        return converter->convertToText (*this);

    return juce::String (value, 3);
}

juce::String Parameter::convertToText (Parameter& parameter)
{
    return juce::String (parameter.getValue(), 2);
}

juce::String Parameter::getIconName() const
{
    if (auto* option = findCurrentOption(); option != nullptr && option->getIconName().isNotEmpty())
        return option->getIconName();

    return iconName;
}

void Parameter::showPopupMenu (juce::Component* slider)
{
    if (options.isEmpty())
        return;

    juce::PopupMenu menu;
    const auto* current = findCurrentOption();

    for (int i = 0; i < options.size(); ++i)
        menu.addItem (i + 1, options.getUnchecked (i)->getName(), true, options.getUnchecked (i) == current);

    juce::Component::SafePointer<juce::Component> control (slider);
    juce::WeakReference<Parameter> self (this);

    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (slider), [control, self] (int result)
    {
        auto* parameter = self.get();
        if (parameter == nullptr || result <= 0)
            return;

        auto* option = parameter->getOption (result - 1);
        if (option == nullptr)
            return;

        if (auto* handler = option->getHandler(); handler != nullptr && handler->handleOption (*parameter, *option))
            return;

        const juce::ScopedLock sl (findLock (control.getComponent()));
        parameter->setCurrentOptionId (option->getOptionId());
        parameter->setValue (findHistory (control.getComponent()), parameter->getDisplayName(), true, option->getValue());
    });
}

double Parameter::readNumber (const juce::XmlElement& element, const juce::String& attribute, double fallback)
{
    if (! element.hasAttribute (attribute))
        return fallback;

    const auto text = element.getStringAttribute (attribute).trim();
    if (text.isEmpty())
        return fallback;

    auto start = text.getCharPointer();
    auto end = start;
    const auto number = juce::CharacterFunctions::readDoubleValue (end);

    if (end == start || ! end.isEmpty() || ! std::isfinite (number))
        return fallback;

    return number;
}

void Parameter::writeAttributes (juce::XmlElement& element, int)
{
    element.setAttribute ("name", getName());
    element.setAttribute ("value", value);
    writeModulations (element);
}

void Parameter::readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history)
{
    if (locked && mode != stateMode)
        return;

    locked = element.getBoolAttribute ("locked", locked);
    setValue (history, {}, true, readNumber (element, "value", value));

    // A missing name would rename the parameter to nothing and lose its tag.
    if (const auto newName = element.getStringAttribute ("name"); newName.isNotEmpty())
        setName (newName);

    readModulations (element);
}

std::unique_ptr<juce::XmlElement> Parameter::createPresetXml (const juce::String& suffix)
{
    auto element = std::make_unique<juce::XmlElement> ("parameter");
    element->setAttribute ("name", getName() + suffix);
    element->setAttribute ("value", value);
    writeModulations (*element);
    return element;
}

void Parameter::savePreset (juce::XmlElement& parent, int, const juce::String& suffix)
{
    parent.addChildElement (createPresetXml (suffix).release());
}

const juce::XmlElement* Parameter::findPresetXml (const juce::XmlElement& element, const juce::String& key) const
{
    if (element.hasTagName ("parameter") && element.getStringAttribute ("name").equalsIgnoreCase (key))
        return &element;

    if (element.hasTagName ("parameters"))
        return element.getChildByAttribute ("name", key);

    for (auto* child : element.getChildWithTagNameIterator ("parameter"))
        if (child->getStringAttribute ("name") == key)
            return child;

    return nullptr;
}

void Parameter::loadPreset (const juce::XmlElement& element, int mode, QwelHistory* history, const juce::String& suffix)
{
    if (locked && mode != stateMode)
        return;

    const auto key = getName() + suffix;
    auto* found = findPresetXml (element, key);
    if (found == nullptr)
        return;

    // An element without a usable value leaves the value alone.
    const auto attribute = found->hasAttribute (key) ? key : juce::String ("value");
    const auto newValue = readNumber (*found, attribute, std::numeric_limits<double>::quiet_NaN());

    if (std::isfinite (newValue))
    {
        const auto wasClamping = clampToRange;
        clampToRange = false;

        if (history != nullptr)
            history->perform (new UndoableParameterChange (*this, newValue));
        else
            setValue (nullptr, {}, true, newValue);

        clampToRange = wasClamping;
    }

    readModulations (*found);
}
