#pragma once

#include "QueryThread.h"
#include "ResultSet.h"
#include "SQLiteConnection.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <functional>
#include <memory>

class SQLLiteDBClient;
class SQLLiteStatement;

// One library database file. No connection stays open: each batch opens the shared
// connection, runs its statements and closes it again; single-value queries and statement
// objects use private connections. The file is kept in write-ahead-log mode so that readers
// go on while another connection writes.
class SQLLiteDB : public juce::ChangeBroadcaster
{
public:
    SQLLiteDB();
    ~SQLLiteDB() override;

    // Makes the file current when it can be opened as an SQLite database; otherwise the
    // previous file stays and the answer is false.
    bool setDatabaseFile (const juce::File& file);
    juce::File getDatabaseFile() const;

    bool open();
    bool close();

    // Prepares without executing; the result code is kept as the last result code.
    bool statementCompiles (const juce::String& sql);

    // Column 0 of the first row as an int; -1 when no row comes back or on any failure.
    int queryInt (const juce::String& sql, const juce::Array<juce::var>& args = {});

    // Runs the statements of the text in order, one result set per statement. Arguments are
    // bound by index to every statement of the batch that has parameters.
    void runQuery (const juce::String& sql, bool synchronous, SQLLiteDBClient* client);
    void runQuery (const juce::String& sql, const juce::Array<juce::var>& args, bool synchronous,
                   SQLLiteDBClient* client);

    // Results of the last batch; hold getLock() while reading them off the message thread.
    const juce::OwnedArray<ResultSet>& getResultSets() const noexcept { return resultSets; }
    int getLastInsertRowId() const noexcept { return lastInsertRowId; }
    int getLastResultCode() const noexcept { return lastResultCode; }

    void addClient (SQLLiteDBClient* client);

    // A parameterised statement on its own connection, owned by the caller.
    SQLLiteStatement* createStatement (const juce::String& sql);

    // Held for a whole batch; recursive, so a caller may hold it across several batches.
    juce::CriticalSection& getLock() noexcept { return lock; }

    // How long every connection of this database waits for another connection's lock.
    void setBusyTimeout (int milliseconds) noexcept { busyTimeoutMs = milliseconds; }
    int getBusyTimeout() const noexcept { return busyTimeoutMs; }

    // Runs work on a new private connection inside one write transaction. True when the
    // transaction began and its changes reached the file; nothing is written otherwise.
    bool writeInTransaction (const std::function<void (SQLiteConnection&)>& work) const;

    // A new private connection on the current file, null when it cannot be opened.
    std::unique_ptr<SQLiteConnection> openConnection (SQLiteConnection::Use use = SQLiteConnection::Use::byManyThreads) const;

    static constexpr int defaultBusyTimeoutMs = 10000;

private:
    friend class QueryThread;
    void executeBatch (const juce::String& sql, const juce::Array<juce::var>& args);

    juce::File databaseFile;
    SQLiteConnection connection;
    juce::CriticalSection lock;
    mutable juce::CriticalSection fileLock;
    juce::OwnedArray<ResultSet> resultSets;
    std::atomic<int> lastInsertRowId { 0 };
    std::atomic<int> lastResultCode { 0 };
    std::atomic<int> busyTimeoutMs { defaultBusyTimeoutMs };
    juce::Array<SQLLiteDBClient*> clients;
    QueryThread worker;

    JUCE_DECLARE_WEAK_REFERENCEABLE (SQLLiteDB)
    JUCE_DECLARE_NON_COPYABLE (SQLLiteDB)
};
