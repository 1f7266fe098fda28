#include "SimpleNamableObject.h"

void SimpleNamableObject::setName (const juce::String& newName, bool forceNotification)
{
    if (newName == objectName && ! forceNotification)
        return;

    objectName = newName;
    nameChanged();
}

void SimpleNamableObject::setNameReadOnly (bool shouldBeReadOnly)
{
    nameReadOnly = shouldBeReadOnly;
    sendChangeMessage();
}
