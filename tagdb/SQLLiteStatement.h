#pragma once

#include "SQLiteConnection.h"

#include <juce_core/juce_core.h>

#include <memory>

class SQLLiteDB;
class SQLitePrepared;
class SQLiteTransaction;

// A parameterised statement executed once per row of arguments, all rows in one write
// transaction on a private connection. The rows reach the file when the object is deleted
// (or at commit()).
class SQLLiteStatement
{
public:
    SQLLiteStatement (const juce::String& sql, SQLLiteDB* database);
    ~SQLLiteStatement();

    // Binds argument i to parameter i + 1 (integers and texts; other kinds stay unbound) and
    // runs the statement once; answers the step's SQLite result code.
    int execute (const juce::Array<juce::var>& args);

    // Ends the transaction now; answers true when every row reached the file.
    bool commit();

    bool isValid() const noexcept;
    const juce::String& getText() const noexcept { return text; }

private:
    juce::String text;
    juce::WeakReference<SQLLiteDB> database;
    SQLiteConnection connection;
    std::unique_ptr<SQLiteTransaction> transaction;
    std::unique_ptr<SQLitePrepared> statement;

    JUCE_DECLARE_NON_COPYABLE (SQLLiteStatement)
};
