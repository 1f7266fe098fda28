#pragma once

#include "IconSource.h"
#include "NamedObject.h"

// The face of a library item that the framework knows: a file of some type.
// Two items are the same when their files and types are equal.
class TaggedItemBase : public virtual NamedObject,
                       public DraggableObject
{
public:
    ~TaggedItemBase() override = default;

    juce::String getIconName() const override = 0;
    // Loads the item's details when they are needed.
    virtual void prepare() {}
    virtual void stopPreview() {}
    virtual juce::String getType() const = 0;
    virtual juce::File getFile() const = 0;
    // The caller owns the copy.
    virtual TaggedItemBase* clone() const = 0;

    virtual bool isDifferentFrom (const TaggedItemBase& other) const { return ! isSameAs (other); }
    virtual bool isSameAs (const TaggedItemBase& other) const
    {
        return getFile() == other.getFile() && getType() == other.getType();
    }
};
