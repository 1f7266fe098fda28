#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// An object that can make its own control component.
class UISource : public virtual juce::ChangeBroadcaster
{
public:
    ~UISource() override = default;
    // The caller owns the component; null when the object has none.
    virtual juce::Component* createComponent() { return nullptr; }
};
