#pragma once

class QwelHistory;

// Offers the undo history of the surrounding editor.
class HistorySource
{
public:
    virtual QwelHistory* getHistory() = 0;
    virtual ~HistorySource() = default;
};
