#pragma once

#include "QwelCommandIds.h"

class QwelHistory;

// Names, descriptions, categories and default keys of the shared commands.
class QwelCommandTable
{
public:
    // Fills the info of a known id and answers true. Undo and redo (9, 10) take their names
    // from the history and are active only when it can undo or redo; without a history they
    // are inactive.
    static bool fillCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& info, const QwelHistory* history);
};
