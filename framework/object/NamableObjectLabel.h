#pragma once

#include "NamableObject.h"

// A label that shows an object's name and renames the object when it is edited.
class NamableObjectLabel : public juce::Label,
                           public juce::ChangeListener
{
public:
    explicit NamableObjectLabel (NamableObject* object, juce::ChangeBroadcaster* extraSource = nullptr);
    ~NamableObjectLabel() override;

    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void visibilityChanged() override;

    NamableObject* getObject() const { return object.get(); }

private:
    juce::WeakReference<NamableObject> object;
    juce::ChangeBroadcaster* watched = nullptr;
    bool watchingObject = true;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NamableObjectLabel)
};
