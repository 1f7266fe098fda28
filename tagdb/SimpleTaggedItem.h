#pragma once

#include "framework/object/SimpleNamableObject.h"
#include "framework/object/TaggedItemBase.h"

// A file of some type with a name, not tied to a library row.
class SimpleTaggedItem : public TaggedItemBase,
                         public SimpleNamableObject
{
public:
    explicit SimpleTaggedItem (const juce::File& file = {}, const juce::String& type = {}, const juce::String& name = {});
    ~SimpleTaggedItem() override;

    juce::String getName() const override { return SimpleNamableObject::getName(); }
    juce::String getIconName() const override { return "star"; }
    juce::String getType() const override { return type; }
    juce::File getFile() const override { return file; }
    TaggedItemBase* clone() const override;

protected:
    juce::String type;
    juce::File file;
};
