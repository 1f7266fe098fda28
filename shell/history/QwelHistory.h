#pragma once

#include <juce_data_structures/juce_data_structures.h>

// The undo history of one plug-in instance. It knows the lock that guards the model, so that
// undo and redo can run under it.
class QwelHistory : public juce::UndoManager
{
public:
    explicit QwelHistory (juce::CriticalSection* modelLock = nullptr);
    ~QwelHistory() override;

    juce::CriticalSection& getLock() const noexcept { return *lock; }

    // Forgets every undo and redo step.
    void clear();

private:
    juce::CriticalSection ownLock;
    juce::CriticalSection* lock;

    JUCE_DECLARE_WEAK_REFERENCEABLE (QwelHistory)
    JUCE_DECLARE_NON_COPYABLE (QwelHistory)
};
