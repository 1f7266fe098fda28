#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// An object whose settings can be shown in a property panel.
class PropertySource
{
public:
    virtual ~PropertySource() = default;
    virtual juce::String getPropertiesTitle() { return "properties"; }
    // The caller owns the returned components.
    virtual juce::Array<juce::PropertyComponent*> getProperties() { return {}; }
    virtual void addPropertiesTo (juce::PropertyPanel& panel)
    {
        panel.addSection (getPropertiesTitle(), getProperties());
    }
};
