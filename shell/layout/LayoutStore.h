#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Remembers, in a long-lived model object, what an editor shows in its overlay, so that a
// reopened editor shows it again.
class LayoutStore
{
public:
    LayoutStore() = default;
    virtual ~LayoutStore();

    const juce::String& getSlotName() const noexcept { return slotName; }
    void setSlotName (const juce::String& name) { slotName = name; }

    // Takes ownership; the previous panel is deleted.
    void setOverlayPanel (juce::Component* panel, const void* requestedBy);
    juce::Component* getOverlayPanel() const noexcept { return overlayPanel.get(); }
    const void* getOverlayOwner() const noexcept { return owner; }

    void setMargins (int top, int left, int bottom, int right) { margins = { top, left, bottom, right }; }
    juce::BorderSize<int> getMargins() const noexcept { return margins; }

private:
    juce::String slotName;
    juce::BorderSize<int> margins;
    std::unique_ptr<juce::Component> overlayPanel;
    const void* owner = nullptr;

    JUCE_DECLARE_WEAK_REFERENCEABLE (LayoutStore)
};
