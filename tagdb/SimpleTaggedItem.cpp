#include "SimpleTaggedItem.h"

SimpleTaggedItem::SimpleTaggedItem (const juce::File& f, const juce::String& t, const juce::String& itemName)
    : SimpleNamableObject (itemName),
      type (t),
      file (f)
{
}

SimpleTaggedItem::~SimpleTaggedItem() = default;

TaggedItemBase* SimpleTaggedItem::clone() const
{
    return new SimpleTaggedItem (file, type, getName());
}
