#include "SimpleParameter.h"

SimpleParameter::SimpleParameter (const juce::String& parameterName, double minimumValue, double maximumValue, double defaultValue_)
    : Parameter (parameterName),
      minimum (minimumValue),
      maximum (maximumValue),
      defaultValue (defaultValue_)
{
    setTextReader (this);
    setValue (nullptr, {}, true, getDefault());
}

SimpleParameter::~SimpleParameter() = default;

void SimpleParameter::quantize (double newValue)
{
    if (integerOnly)
        newValue = std::nearbyint (newValue);

    storeValue (newValue);
    storeAudioValue ((float) newValue);
}

juce::String SimpleParameter::getIconName() const
{
    if (getOwnIconName().isNotEmpty())
        return getOwnIconName();

    return Parameter::getIconName();
}

double SimpleParameter::getStepSize (const juce::ModifierKeys& modifiers, bool wheel) const
{
    const auto flags = flagsOf (modifiers);
    const bool modifierHeld = flags != 0;

    if (! wheel)
    {
        if (const auto steps = dragSteps[flags]; steps != 0.0)
            return 1.0 / steps;

        return modifierHeld ? 1.0 / 5000.0 : 1.0 / 500.0;
    }

    if (const auto steps = wheelSteps[flags]; steps != 0.0)
        return 1.0 / steps;

    if (const auto plainSteps = wheelSteps[0]; plainSteps != 0.0)
        return modifierHeld ? 1.0 / (10.0 * plainSteps) : 1.0 / plainSteps;

    auto steps = getRange();
    if (steps <= 2.0)
        steps *= 100.0;
    if (modifierHeld)
        steps *= 10.0;

    return steps != 0.0 ? 1.0 / steps : 0.0;
}

double SimpleParameter::readValue (Parameter& parameter, const juce::String& text)
{
    if (parameter.getNumOptions() == 0)
        return text.getDoubleValue();

    for (int i = parameter.getNumOptions(); --i >= 0;)
        if (auto* option = parameter.getOption (i); option->getName().equalsIgnoreCase (text))
            return option->getValue();

    return parameter.getValue();
}

void SimpleParameter::setWheelStepSize (const juce::ModifierKeys& modifiers, double steps)
{
    wheelSteps.set (flagsOf (modifiers), steps);
}

void SimpleParameter::setDragStepSize (const juce::ModifierKeys& modifiers, double steps)
{
    dragSteps.set (flagsOf (modifiers), steps);
}

void SimpleParameter::writeAttributes (juce::XmlElement& element, int mode)
{
    Parameter::writeAttributes (element, mode);

    for (juce::HashMap<int, double>::Iterator i (dragSteps); i.next();)
    {
        auto* step = element.createNewChildElement ("stepsize");
        step->setAttribute ("flags", i.getKey());
        step->setAttribute ("value", i.getValue());
    }
}

void SimpleParameter::readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history)
{
    if (isLocked() && mode != stateMode)
        return;

    Parameter::readAttributes (element, mode, history);

    for (auto* step : element.getChildWithTagNameIterator ("stepsize"))
        dragSteps.set (step->getIntAttribute ("flags", 0) & 15, readNumber (*step, "value", 0.0));
}
