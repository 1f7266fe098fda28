#pragma once

#include "ParameterSlider.h"

class ModulationSource;

// A parameter slider for toolbars; modulation sources dropped onto it modulate its parameter.
class ToolbarSlider : public ParameterSlider,
                      public juce::DragAndDropTarget
{
public:
    ToolbarSlider (int index, Parameter* parameter, const juce::String& labelText, bool showText);
    ~ToolbarSlider() override = default;

    int getIndex() const noexcept { return index; }

    // The modulation sources among the dragged things that the parameter accepts.
    juce::Array<ModulationSource*> findSources (const SourceDetails& details) const;

    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;

private:
    int index;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ToolbarSlider)
};
