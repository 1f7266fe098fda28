#pragma once

#include "IconSource.h"
#include "NamedObject.h"

// The face of a library item that the framework knows: a file path of some type.
// Two items are the same when their paths and types are equal.
class TaggedItemBase : public virtual NamedObject,
                       public DraggableObject
{
public:
    ~TaggedItemBase() override = default;

    juce::String getIconName() const override { return "file"; }
    virtual void loadDetails() {}
    virtual void stopPreview() {}
    virtual juce::String getItemType() const = 0;
    virtual juce::String getFilePath() const = 0;
    virtual TaggedItemBase* cloneItem() const = 0;

    virtual bool isDifferentFrom (const TaggedItemBase& other) const { return ! isSameAs (other); }
    virtual bool isSameAs (const TaggedItemBase& other) const
    {
        return getFilePath() == other.getFilePath() && getItemType() == other.getItemType();
    }
};
