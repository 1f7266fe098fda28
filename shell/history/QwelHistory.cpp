#include "QwelHistory.h"

QwelHistory::QwelHistory (juce::CriticalSection* modelLock)
    : juce::UndoManager (30000, 30),
      lock (modelLock != nullptr ? modelLock : &ownLock)
{
    trash.setHistory (this);
}

QwelHistory::~QwelHistory()
{
    // Actions go before the items they may refer to.
    clear();
    masterReference.clear();
}

void QwelHistory::clear()
{
    clearUndoHistory();
    trash.clear();
}
