#include "SQLiteConnection.h"

#include <sqlite3.h>

SQLiteConnection::~SQLiteConnection()
{
    close();
}

bool SQLiteConnection::open (const juce::File& file, int busyTimeoutMs, Use use, Missing missing)
{
    close();

    if (file == juce::File())
        return false;

    sqlite3* opened = nullptr;
    const auto result = sqlite3_open_v2 (file.getFullPathName().toRawUTF8(), &opened,
                                         SQLITE_OPEN_READWRITE | (missing == Missing::create ? SQLITE_OPEN_CREATE : 0)
                                             | (use == Use::byOneThread ? SQLITE_OPEN_NOMUTEX : SQLITE_OPEN_FULLMUTEX),
                                         nullptr);

    if (result != SQLITE_OK)
    {
        sqlite3_close (opened);
        return false;
    }

    handle = opened;
    sqlite3_busy_timeout (handle, busyTimeoutMs);

    // Such connections read whole tables (searches, counts): mapping the file spares copying
    // every page out of the system's cache.
    if (use == Use::byOneThread)
        exec ("PRAGMA mmap_size = 268435456");
    return true;
}

bool SQLiteConnection::close()
{
    if (handle == nullptr)
        return false;

    // close_v2 defers the close while a statement is still unfinalised instead of failing.
    sqlite3_close_v2 (handle);
    handle = nullptr;
    return true;
}

int SQLiteConnection::exec (const juce::String& sql)
{
    if (handle == nullptr)
        return SQLITE_MISUSE;

    return sqlite3_exec (handle, sql.toRawUTF8(), nullptr, nullptr, nullptr);
}

juce::int64 SQLiteConnection::getLastInsertRowId() const
{
    return handle != nullptr ? (juce::int64) sqlite3_last_insert_rowid (handle) : 0;
}

juce::String SQLiteConnection::getErrorMessage() const
{
    return handle != nullptr ? juce::String::fromUTF8 (sqlite3_errmsg (handle)) : juce::String();
}
