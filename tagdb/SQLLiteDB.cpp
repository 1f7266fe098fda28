#include "SQLLiteDB.h"

#include "SQLiteTransaction.h"

#include "SQLLiteDBClient.h"
#include "SQLLiteStatement.h"
#include "SQLitePrepared.h"
#include "SQLiteText.h"

#include <sqlite3.h>

namespace
{
// A file that opens but whose header is not SQLite's answers these on its first read.
bool meansNotADatabase (int result)
{
    const auto primary = result & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT || primary == SQLITE_CANTOPEN
           || primary == SQLITE_IOERR;
}
} // namespace

SQLLiteDB::SQLLiteDB()
    : worker (*this)
{
}

SQLLiteDB::~SQLLiteDB()
{
    worker.stopThread (-1);
    const juce::ScopedLock sl (lock);
    connection.close();
    masterReference.clear();
}

bool SQLLiteDB::setDatabaseFile (const juce::File& file)
{
    const juce::ScopedLock sl (lock);
    connection.close();

    SQLiteConnection trial;
    if (! trial.open (file, busyTimeoutMs))
        return false;

    // Reading the journal mode reads the file's header, which tells a foreign file apart;
    // switching to write-ahead logging lets readers go on during another instance's writes.
    SQLitePrepared walMode (trial, "PRAGMA journal_mode=WAL");
    const auto result = walMode.isValid() ? walMode.step() : walMode.getPrepareResult();

    if (meansNotADatabase (result))
        return false;

    const juce::ScopedLock fl (fileLock);
    databaseFile = file;
    return true;
}

juce::File SQLLiteDB::getDatabaseFile() const
{
    const juce::ScopedLock fl (fileLock);
    return databaseFile;
}

bool SQLLiteDB::open()
{
    const juce::ScopedLock sl (lock);
    return connection.open (getDatabaseFile(), busyTimeoutMs);
}

bool SQLLiteDB::close()
{
    const juce::ScopedLock sl (lock);
    return connection.close();
}

bool SQLLiteDB::writeInTransaction (const std::function<void (SQLiteConnection&)>& work) const
{
    auto privateConnection = openConnection();
    if (privateConnection == nullptr)
        return false;

    SQLiteTransaction transaction (*privateConnection);
    if (! transaction.isActive())
        return false;

    work (*privateConnection);
    return transaction.commit();
}

std::unique_ptr<SQLiteConnection> SQLLiteDB::openConnection (SQLiteConnection::Use use) const
{
    auto privateConnection = std::make_unique<SQLiteConnection>();

    if (! privateConnection->open (getDatabaseFile(), busyTimeoutMs, use))
        return {};

    return privateConnection;
}

bool SQLLiteDB::statementCompiles (const juce::String& sql)
{
    const juce::ScopedLock sl (lock);

    if (! open())
    {
        lastResultCode = SQLITE_CANTOPEN;
        return false;
    }

    int result = 0;
    {
        SQLitePrepared statement (connection, sql);
        result = statement.getPrepareResult();
    }

    lastResultCode = result;
    close();
    return result == SQLITE_OK;
}

int SQLLiteDB::queryInt (const juce::String& sql, const juce::Array<juce::var>& args)
{
    auto privateConnection = openConnection();
    if (privateConnection == nullptr)
        return -1;

    SQLitePrepared statement (*privateConnection, sql);
    if (! statement.isValid())
        return -1;

    statement.bindAll (args);
    return statement.step() == SQLITE_ROW ? statement.getInt (0) : -1;
}

void SQLLiteDB::runQuery (const juce::String& sql, bool synchronous, SQLLiteDBClient* client)
{
    runQuery (sql, {}, synchronous, client);
}

void SQLLiteDB::runQuery (const juce::String& sql, const juce::Array<juce::var>& args, bool synchronous,
                          SQLLiteDBClient* client)
{
    addClient (client);

    if (synchronous)
    {
        executeBatch (sql, args);
        return;
    }

    worker.waitForThreadToExit (-1);
    worker.setPendingBatch (sql, args);
    worker.startThread();
}

void SQLLiteDB::executeBatch (const juce::String& sql, const juce::Array<juce::var>& args)
{
    const juce::ScopedLock sl (lock);
    resultSets.clear();

    if (! open())
    {
        lastResultCode = SQLITE_CANTOPEN;
        return;
    }

    const char* remaining = sql.toRawUTF8();
    const char* const end = remaining + SQLiteText::byteLength (sql);

    while (remaining < end)
    {
        const char* tail = nullptr;
        SQLitePrepared statement (connection, remaining, (int) (end - remaining), &tail);
        lastResultCode = statement.getPrepareResult();
        remaining = tail != nullptr ? tail : end;

        if (statement.getPrepareResult() != SQLITE_OK)
            break;

        auto* rows = resultSets.add (new ResultSet());

        // A remainder of white space or comments prepares to no statement.
        if (! statement.isValid())
            break;

        if (statement.getParameterCount() > 0)
            statement.bindAll (args);

        const auto numColumns = statement.getColumnCount();
        int stepResult = 0;

        while ((stepResult = statement.step()) == SQLITE_ROW)
        {
            auto* row = rows->add (new juce::StringArray());

            for (int column = 0; column < numColumns; ++column)
                row->add (statement.getText (column));
        }

        lastResultCode = stepResult;
    }

    lastInsertRowId = (int) connection.getLastInsertRowId();
    close();
}

void SQLLiteDB::addClient (SQLLiteDBClient* client)
{
    if (client != nullptr)
        clients.addIfNotAlreadyThere (client);
}

SQLLiteStatement* SQLLiteDB::createStatement (const juce::String& sql)
{
    return new SQLLiteStatement (sql, this);
}
