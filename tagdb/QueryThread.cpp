#include "QueryThread.h"

#include "SQLLiteDB.h"

QueryThread::QueryThread (SQLLiteDB& db)
    : juce::Thread ("sqllitedbquerythread"),
      database (db)
{
}

QueryThread::~QueryThread()
{
    stopThread (-1);
}

void QueryThread::setPendingBatch (const juce::String& sql, const juce::Array<juce::var>& args)
{
    const juce::ScopedLock sl (pendingLock);
    pendingBatch = sql;
    pendingArgs = args;
}

void QueryThread::run()
{
    juce::String sql;
    juce::Array<juce::var> args;

    {
        const juce::ScopedLock sl (pendingLock);
        sql = pendingBatch;
        args = pendingArgs;
    }

    database.executeBatch (sql, args);
}
