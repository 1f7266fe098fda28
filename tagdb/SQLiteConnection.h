#pragma once

#include <juce_core/juce_core.h>

struct sqlite3;

// Owns one SQLite connection. Every connection waits for another connection's lock for up
// to its busy timeout instead of failing at once: two plug-in instances on one library
// file are the normal case.
class SQLiteConnection
{
public:
    SQLiteConnection() = default;
    ~SQLiteConnection();

    // Who may use the connection. A connection that only ever one thread uses at a time skips
    // SQLite's own locking around every call and reads the file through a memory map: that
    // halves the cost of reading many rows.
    enum class Use
    {
        byManyThreads,
        byOneThread
    };

    enum class Missing
    {
        create,
        fail
    };

    // Opens the file read-write, creating it when missing unless told otherwise; closes a
    // previous connection first.
    bool open (const juce::File& file, int busyTimeoutMs, Use use = Use::byManyThreads, Missing missing = Missing::create);
    bool close();
    bool isOpen() const noexcept { return handle != nullptr; }

    // Runs statements that return no rows; answers the SQLite result code.
    int exec (const juce::String& sql);

    juce::int64 getLastInsertRowId() const;
    juce::String getErrorMessage() const;

    sqlite3* get() const noexcept { return handle; }

private:
    sqlite3* handle = nullptr;

    JUCE_DECLARE_NON_COPYABLE (SQLiteConnection)
};
