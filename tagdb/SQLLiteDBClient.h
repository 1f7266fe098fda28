#pragma once

#include <juce_core/juce_core.h>

class SQLLiteDB;

// Base of every object that issues batches to a database.
class SQLLiteDBClient
{
public:
    SQLLiteDBClient (SQLLiteDB* database, bool ownsDatabase);
    virtual ~SQLLiteDBClient();

    void query (const juce::String& sql, bool synchronous = true);
    // Binds the arguments by index to the batch's statements instead of splicing them in.
    void queryWithArgs (const juce::String& sql, const juce::Array<juce::var>& args, bool synchronous = true);

    SQLLiteDB* getDatabase() const noexcept { return database; }

private:
    SQLLiteDB* database;
    bool ownsDatabase;

    JUCE_DECLARE_NON_COPYABLE (SQLLiteDBClient)
};
