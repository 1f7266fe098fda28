#pragma once

#include "framework/object/IconSource.h"
#include "framework/object/SimpleNamableObject.h"

// Common base of the objects that make or carry audio: named, owned by a list or a node.
class AudioItem : public virtual SimpleNamableObject,
                  public DraggableObject
{
public:
    explicit AudioItem (const juce::String& itemName = {}) { setName (itemName); }
    ~AudioItem() override = default;

    juce::String getIconName() const override { return "volume"; }

    JUCE_DECLARE_WEAK_REFERENCEABLE (AudioItem)
};
