#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The framework's look and feel, one per process, alive while anybody holds it.
class PlinthLook : public juce::LookAndFeel_V3,
                   public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<PlinthLook>;

    static Ptr getInstance();

    ~PlinthLook() override;

    // The height of every bar and list row, and the side of every square icon button.
    static constexpr int controlSize = 18;

private:
    PlinthLook();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PlinthLook)
};
