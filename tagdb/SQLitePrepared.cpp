#include "SQLitePrepared.h"

#include "SQLiteText.h"

#include <sqlite3.h>

SQLitePrepared::SQLitePrepared (SQLiteConnection& connection, const juce::String& sql)
{
    if (connection.get() == nullptr)
    {
        prepareResult = SQLITE_MISUSE;
        return;
    }

    prepareResult = sqlite3_prepare_v2 (connection.get(), sql.toRawUTF8(), SQLiteText::byteLength (sql),
                                        &statement, nullptr);
}

SQLitePrepared::SQLitePrepared (SQLiteConnection& connection, const char* utf8, int numBytes, const char** tail)
{
    if (connection.get() == nullptr)
    {
        prepareResult = SQLITE_MISUSE;
        return;
    }

    prepareResult = sqlite3_prepare_v2 (connection.get(), utf8, numBytes, &statement, tail);
}

SQLitePrepared::~SQLitePrepared()
{
    sqlite3_finalize (statement);
}

void SQLitePrepared::bindInt (int index, juce::int64 value)
{
    sqlite3_bind_int64 (statement, index, (sqlite3_int64) value);
}

void SQLitePrepared::bindDouble (int index, double value)
{
    sqlite3_bind_double (statement, index, value);
}

void SQLitePrepared::bindText (int index, const juce::String& text)
{
    sqlite3_bind_text (statement, index, text.toRawUTF8(), SQLiteText::byteLength (text), SQLITE_TRANSIENT);
}

void SQLitePrepared::bindNull (int index)
{
    sqlite3_bind_null (statement, index);
}

void SQLitePrepared::bind (int index, const juce::var& value)
{
    if (value.isInt() || value.isInt64() || value.isBool())
        bindInt (index, (juce::int64) value);
    else if (value.isDouble())
        bindDouble (index, (double) value);
    else if (value.isString())
        bindText (index, value.toString());
}

void SQLitePrepared::bindAll (const juce::Array<juce::var>& values)
{
    for (int i = 0; i < values.size(); ++i)
        bind (i + 1, values.getReference (i));
}

int SQLitePrepared::getParameterCount() const
{
    return sqlite3_bind_parameter_count (statement);
}

int SQLitePrepared::step()
{
    return statement != nullptr ? sqlite3_step (statement) : SQLITE_MISUSE;
}

void SQLitePrepared::reset()
{
    sqlite3_reset (statement);
}

int SQLitePrepared::getColumnCount() const
{
    return sqlite3_column_count (statement);
}

juce::String SQLitePrepared::getText (int column) const
{
    const auto* text = reinterpret_cast<const char*> (sqlite3_column_text (statement, column));
    return SQLiteText::decode (text, sqlite3_column_bytes (statement, column));
}

int SQLitePrepared::getInt (int column) const
{
    return sqlite3_column_int (statement, column);
}

juce::int64 SQLitePrepared::getInt64 (int column) const
{
    return (juce::int64) sqlite3_column_int64 (statement, column);
}

double SQLitePrepared::getDouble (int column) const
{
    return sqlite3_column_double (statement, column);
}

bool SQLitePrepared::isNull (int column) const
{
    return sqlite3_column_type (statement, column) == SQLITE_NULL;
}

const char* SQLitePrepared::getUtf8 (int column, int& numBytes) const
{
    const auto* text = reinterpret_cast<const char*> (sqlite3_column_text (statement, column));
    numBytes = text != nullptr ? sqlite3_column_bytes (statement, column) : 0;
    return text != nullptr ? text : "";
}
