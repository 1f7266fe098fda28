#include "NamableObjectLabel.h"

NamableObjectLabel::NamableObjectLabel (NamableObject* objectToShow, juce::ChangeBroadcaster* extraSource)
    : juce::Label ("name", objectToShow != nullptr ? objectToShow->getName() : juce::String()),
      object (objectToShow)
{
    if (objectToShow != nullptr)
        addListener (objectToShow);

    watchingObject = extraSource == nullptr;
    watched = extraSource != nullptr ? extraSource
                                     : static_cast<juce::ChangeBroadcaster*> (objectToShow);
    if (watched != nullptr)
        watched->addChangeListener (this);

    changeListenerCallback (watched);
}

NamableObjectLabel::~NamableObjectLabel()
{
    // A broadcaster that is the object itself is only touched while the object lives;
    // an extra broadcaster is the caller's and outlives the label.
    auto* o = object.get();

    if (o != nullptr)
        removeListener (o);

    if (watched != nullptr && (! watchingObject || o != nullptr))
        watched->removeChangeListener (this);
}

void NamableObjectLabel::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (source != watched)
        return;

    auto* o = object.get();
    if (o == nullptr)
        return;

    setEditable (false, ! o->isNameReadOnly(), false);

    if (getText() != o->getName())
        setText (o->getName(), juce::dontSendNotification);
}

void NamableObjectLabel::visibilityChanged()
{
    juce::Label::visibilityChanged();

    if (auto* o = object.get())
    {
        if (isVisible() && o->getEditOnShow())
        {
            o->setEditOnShow (false);
            showEditor();
        }
    }
}
