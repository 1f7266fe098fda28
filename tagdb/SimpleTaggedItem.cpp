#include "SimpleTaggedItem.h"

SimpleTaggedItem::SimpleTaggedItem (const juce::File& f, const juce::String& t, const juce::String& name)
    : SimpleNamableObject (name),
      type (t),
      file (f)
{
}

SimpleTaggedItem::~SimpleTaggedItem() = default;

TaggedItemBase* SimpleTaggedItem::clone() const
{
    return new SimpleTaggedItem (file, type, getName());
}
