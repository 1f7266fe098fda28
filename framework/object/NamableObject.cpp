#include "NamableObject.h"

NamableObject::~NamableObject() = default;

void NamableObject::labelTextChanged (juce::Label* label)
{
    if (label != nullptr)
        setName (label->getText());
}
