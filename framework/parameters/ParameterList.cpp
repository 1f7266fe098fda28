#include "ParameterList.h"

ParameterList::ParameterList (const juce::String& listName)
    : SimpleNamableObject (listName)
{
}

ParameterList::~ParameterList()
{
    for (auto* p : parameters)
        p->removeChangeListener (this);
}

Parameter* ParameterList::addParameter (Parameter* parameter)
{
    if (parameter == nullptr)
        return nullptr;

    parameters.add (parameter);
    names.add (parameter->getName());
    byName.set (parameter->getName(), parameter);
    parameter->addChangeListener (this);
    return parameter;
}

void ParameterList::savePresets (juce::XmlElement& parent, int mode)
{
    auto* element = parent.createNewChildElement ("parameters");
    element->setAttribute ("name", getName());

    for (int i = parameters.size(); --i >= 0;)
        parameters.getUnchecked (i)->savePreset (*element, mode);
}

void ParameterList::loadPresets (const juce::XmlElement& element, int mode, QwelHistory* history)
{
    const juce::XmlElement* source = nullptr;

    for (auto* child : element.getChildWithTagNameIterator ("parameters"))
    {
        if (! child->hasAttribute ("name") || child->getStringAttribute ("name") == getName())
        {
            source = child;
            break;
        }
    }

    if (source == nullptr)
        source = &element;

    for (int i = parameters.size(); --i >= 0;)
        parameters.getUnchecked (i)->loadPreset (*source, mode, history);
}
