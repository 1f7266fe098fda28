#pragma once

#include <juce_core/juce_core.h>

// Anything shown with an icon of the icon sheet.
class IconSource
{
public:
    virtual ~IconSource() = default;
    virtual juce::String getIconName() const = 0;
};

// What is dragged shows its icon.
class DraggableObject : public IconSource
{
public:
    ~DraggableObject() override = default;
};
