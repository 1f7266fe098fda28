#pragma once

#include "SQLiteConnection.h"

// A write transaction that starts with BEGIN IMMEDIATE, so that a busy database is met (and
// waited for) at the start rather than halfway. Commits only when told; rolls back otherwise.
class SQLiteTransaction
{
public:
    explicit SQLiteTransaction (SQLiteConnection& connection);
    ~SQLiteTransaction();

    bool isActive() const noexcept { return active; }
    int getBeginResult() const noexcept { return beginResult; }

    // Answers true when the changes reached the file.
    bool commit();

private:
    SQLiteConnection& connection;
    int beginResult = 0;
    bool active = false;

    JUCE_DECLARE_NON_COPYABLE (SQLiteTransaction)
};
