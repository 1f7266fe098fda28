#pragma once

#include "framework/object/TrashList.h"

#include <juce_data_structures/juce_data_structures.h>

// The undo history of one plug-in instance. It knows the lock that guards the model, so that
// undo and redo can run under it, and keeps the items that undoable actions removed, so that
// an undo can bring back the very same objects. Message thread only.
class QwelHistory : public juce::UndoManager
{
public:
    // Without a lock the history guards with a lock of its own.
    explicit QwelHistory (juce::CriticalSection* modelLock = nullptr);
    ~QwelHistory() override;

    juce::CriticalSection& getLock() const noexcept { return *lock; }
    TrashList& getTrashList() noexcept { return trash; }

    // Forgets every undo and redo step, then deletes the removed items, last to first.
    void clear();

private:
    juce::CriticalSection ownLock;
    juce::CriticalSection* lock;
    TrashList trash;

    JUCE_DECLARE_WEAK_REFERENCEABLE (QwelHistory)
    JUCE_DECLARE_NON_COPYABLE (QwelHistory)
};
