#include "SimpleNamableObject.h"

void SimpleNamableObject::setName (const juce::String& newName, bool forceNotification)
{
    if (newName == name && ! forceNotification)
        return;

    name = newName;
    nameChanged();
}

void SimpleNamableObject::setNameReadOnly (bool shouldBeReadOnly)
{
    nameReadOnly = shouldBeReadOnly;
    sendChangeMessage();
}
