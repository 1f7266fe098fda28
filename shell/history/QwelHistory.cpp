#include "QwelHistory.h"

QwelHistory::QwelHistory (juce::CriticalSection* modelLock)
    : juce::UndoManager (30000, 30),
      lock (modelLock != nullptr ? modelLock : &ownLock)
{
}

QwelHistory::~QwelHistory() = default;

void QwelHistory::clear()
{
    clearUndoHistory();
}
