#include "SQLLiteDBClient.h"

#include "SQLLiteDB.h"

SQLLiteDBClient::SQLLiteDBClient (SQLLiteDB* db, bool owns)
    : database (db),
      ownsDatabase (owns)
{
}

SQLLiteDBClient::~SQLLiteDBClient()
{
    if (ownsDatabase)
        delete database;
}

void SQLLiteDBClient::query (const juce::String& sql, bool synchronous)
{
    queryWithArgs (sql, {}, synchronous);
}

void SQLLiteDBClient::queryWithArgs (const juce::String& sql, const juce::Array<juce::var>& args, bool synchronous)
{
    if (database != nullptr)
        database->runQuery (sql, args, synchronous, this);
}
