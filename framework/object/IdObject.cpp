#include "IdObject.h"

void IdObject::setId (const juce::Uuid& newId)
{
    if (newId == id)
        return;

    id = newId;
    sendChangeMessage();
}
