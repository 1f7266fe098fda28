#pragma once

#include "SQLiteConnection.h"

struct sqlite3_stmt;

// Owns one prepared statement: prepares in its constructor, finalizes in its destructor.
// Values are bound by index (counting from 1) and copied, so callers' text may go away.
class SQLitePrepared
{
public:
    SQLitePrepared (SQLiteConnection& connection, const juce::String& sql);

    // Prepares the first statement of a UTF-8 text; the unparsed remainder is left in tail.
    SQLitePrepared (SQLiteConnection& connection, const char* utf8, int numBytes, const char** tail);

    ~SQLitePrepared();

    // False when the text did not compile or held no statement (white space only).
    bool isValid() const noexcept { return statement != nullptr; }
    int getPrepareResult() const noexcept { return prepareResult; }

    void bindInt (int index, juce::int64 value);
    void bindDouble (int index, double value);
    void bindText (int index, const juce::String& text);
    void bindNull (int index);
    // Integers, doubles and texts are bound; any other kind of value leaves the slot alone.
    void bind (int index, const juce::var& value);
    void bindAll (const juce::Array<juce::var>& values);
    int getParameterCount() const;

    // Answers the SQLite result code of the step.
    int step();
    void reset();

    int getColumnCount() const;
    juce::String getText (int column) const;
    int getInt (int column) const;
    juce::int64 getInt64 (int column) const;
    double getDouble (int column) const;
    bool isNull (int column) const;
    // The column's UTF-8 bytes, valid until the next step; numBytes receives their length.
    const char* getUtf8 (int column, int& numBytes) const;

private:
    sqlite3_stmt* statement = nullptr;
    int prepareResult = 0;

    JUCE_DECLARE_NON_COPYABLE (SQLitePrepared)
};
