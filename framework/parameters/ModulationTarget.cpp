#include "ModulationTarget.h"

bool ModulationTarget::addModulation (ModulationSource* source, double depth)
{
    if (source == nullptr || ! acceptsModulationSource (*source) || isModulatedBy (source))
        return false;

    modulations.add (new Modulation (source, depth));
    sendChangeMessage();
    return true;
}

bool ModulationTarget::removeModulation (ModulationSource* source)
{
    for (int i = modulations.size(); --i >= 0;)
    {
        if (modulations.getUnchecked (i)->getSource() == source)
        {
            modulations.remove (i);
            sendChangeMessage();
            return true;
        }
    }

    return false;
}

bool ModulationTarget::isModulatedBy (const ModulationSource* source) const
{
    for (auto* m : modulations)
        if (source != nullptr && m->getSource() == source)
            return true;

    return false;
}

double ModulationTarget::getModulationSum() const
{
    double sum = 0.0;

    for (auto* m : modulations)
        if (auto* source = m->getSource())
            sum += source->getOutput() * m->getDepth();

    return sum;
}

void ModulationTarget::writeModulations (juce::XmlElement& element) const
{
    auto* list = element.createNewChildElement ("modulations");

    for (auto* m : modulations)
        if (m->getSource() != nullptr)
            list->addChildElement (m->createXml().release());
}

void ModulationTarget::readModulations (const juce::XmlElement& element)
{
    auto* list = element.getChildByName ("modulations");
    if (list == nullptr)
        return;

    modulations.clear();

    for (auto* child : list->getChildIterator())
        if (auto m = Modulation::fromXml (*child))
            if (! isModulatedBy (m->getSource()) && acceptsModulationSource (*m->getSource()))
                modulations.add (m.release());

    sendChangeMessage();
}

void ModulationTarget::notifyModulationObservers (double newValue)
{
    for (int i = observers.size(); --i >= 0;)
        observers.getUnchecked (i)->targetValueChanged (*this, newValue);
}
