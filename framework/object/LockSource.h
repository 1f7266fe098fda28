#pragma once

#include <juce_core/juce_core.h>

// Offers the lock that guards the model against the audio thread.
class LockSource
{
public:
    virtual ~LockSource() = default;
    virtual juce::CriticalSection& getLock() = 0;
};
