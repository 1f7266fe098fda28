#pragma once

#include "TaggedItemTypeDescriptor.h"
#include "framework/object/TaggedItemSource.h"
#include "framework/parameters/SimpleParameter.h"

#include <memory>

// One registered file type: its switch in the type filter (off by default, no undo entries),
// its descriptor and the object that previews items of the type.
class TypeFilter
{
public:
    // Takes ownership of the descriptor; the handler is referred to weakly.
    TypeFilter (TaggedItemTypeDescriptor* descriptor, TaggedItemHandler* handler);
    ~TypeFilter();

    Parameter& getParameter() noexcept { return enabled; }
    bool isEnabled() const noexcept { return enabled.getValue() != 0.0; }
    const TaggedItemTypeDescriptor& getDescriptor() const noexcept { return *descriptor; }
    TaggedItemHandler* getHandler() const { return handler.get(); }

private:
    SimpleParameter enabled { "enabled", 0.0, 1.0, 0.0 };
    std::unique_ptr<TaggedItemTypeDescriptor> descriptor;
    juce::WeakReference<TaggedItemHandler> handler;

    JUCE_DECLARE_NON_COPYABLE (TypeFilter)
};
