#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A model object that takes drops on behalf of a view; answers 0 (not interested) by default.
class VirtualDragAndDropTarget
{
public:
    virtual ~VirtualDragAndDropTarget() = default;
    virtual int isInterestedInVirtualDrag (const juce::DragAndDropTarget::SourceDetails&) { return 0; }
    virtual int virtualItemDropped (const juce::DragAndDropTarget::SourceDetails&) { return 0; }
    virtual int virtualFilesDropped (const juce::StringArray&, int, int) { return 0; }
};
