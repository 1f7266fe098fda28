#include "SQLiteTransaction.h"

#include <sqlite3.h>

SQLiteTransaction::SQLiteTransaction (SQLiteConnection& c)
    : connection (c)
{
    beginResult = connection.exec ("BEGIN IMMEDIATE");
    active = beginResult == SQLITE_OK;
}

SQLiteTransaction::~SQLiteTransaction()
{
    if (active)
        connection.exec ("ROLLBACK");
}

bool SQLiteTransaction::commit()
{
    if (! active)
        return false;

    // A commit that meets readers still holding old pages waits through the busy handler;
    // should it fail all the same, the destructor rolls back so that nothing half-written stays.
    if (connection.exec ("COMMIT") != SQLITE_OK)
        return false;

    active = false;
    return true;
}
