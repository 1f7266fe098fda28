#include "Parameter.h"

Parameter::Parameter (const juce::String& parameterName)
    : SimpleNamableObject (parameterName)
{
}

Parameter::~Parameter() = default;

double Parameter::getNormalized() const
{
    const auto minimum = getMinimum();
    const auto maximum = getMaximum();

    if (minimum == maximum)
        return maximum;

    return (value - minimum) / (maximum - minimum);
}

void Parameter::setValue (QwelHistory*, const juce::String&, bool, double newValue)
{
    if (newValue == value)
        return;

    if (clampToRange)
        newValue = juce::jlimit (getMinimum(), getMaximum(), newValue);

    value = newValue;
    quantize (newValue);

    sendChangeMessage();

    for (auto* l : listeners)
        l->parameterChanged (this);
}

void Parameter::setNormalized (QwelHistory* history, bool notify, double normalizedValue)
{
    if (normalizedValue != getNormalized())
        setValue (history, {}, notify, getMinimum() + normalizedValue * getRange());
}

void Parameter::quantize (double newValue)
{
    storeAudioValue ((float) newValue);
}

juce::String Parameter::getText()
{
    return convertToText (*this);
}

juce::String Parameter::convertToText (Parameter& parameter)
{
    return juce::String (parameter.getValue(), 2);
}

void Parameter::writeAttributes (juce::XmlElement& element, int)
{
    element.setAttribute ("name", getName());
    element.setAttribute ("value", value);
}

void Parameter::readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history)
{
    if (locked && mode != stateMode)
        return;

    locked = element.getBoolAttribute ("locked", locked);

    const auto newValue = element.getDoubleAttribute ("value", value);
    if (std::isfinite (newValue))
        setValue (history, {}, true, newValue);

    if (element.hasAttribute ("name"))
        setName (element.getStringAttribute ("name"));
}

std::unique_ptr<juce::XmlElement> Parameter::createPresetXml (const juce::String& suffix)
{
    auto element = std::make_unique<juce::XmlElement> ("parameter");
    element->setAttribute ("name", getName() + suffix);
    element->setAttribute ("value", value);
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

void Parameter::loadPreset (const juce::XmlElement& element, int, QwelHistory* history, const juce::String& suffix)
{
    if (locked)
        return;

    const auto key = getName() + suffix;
    auto* found = findPresetXml (element, key);
    if (found == nullptr)
        return;

    const auto newValue = found->hasAttribute (key) ? found->getDoubleAttribute (key, getDefault())
                                                    : found->getDoubleAttribute ("value", 0.0);
    if (! std::isfinite (newValue))
        return;

    const auto wasClamping = clampToRange;
    clampToRange = false;
    setValue (history, {}, true, newValue);
    clampToRange = wasClamping;
}
