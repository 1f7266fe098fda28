#include "SQLLiteStatement.h"

#include "SQLLiteDB.h"
#include "SQLitePrepared.h"
#include "SQLiteTransaction.h"

#include <sqlite3.h>

SQLLiteStatement::SQLLiteStatement (const juce::String& sql, SQLLiteDB* db)
    : text (sql),
      database (db)
{
    if (db == nullptr || ! connection.open (db->getDatabaseFile(), db->getBusyTimeout()))
        return;

    transaction = std::make_unique<SQLiteTransaction> (connection);
    statement = std::make_unique<SQLitePrepared> (connection, text);
}

SQLLiteStatement::~SQLLiteStatement()
{
    commit();
}

bool SQLLiteStatement::isValid() const noexcept
{
    return statement != nullptr && statement->isValid();
}

int SQLLiteStatement::execute (const juce::Array<juce::var>& args)
{
    if (! isValid())
        return statement != nullptr ? statement->getPrepareResult() : SQLITE_CANTOPEN;

    statement->reset();

    for (int i = 0; i < args.size(); ++i)
    {
        const auto& value = args.getReference (i);

        if (value.isInt() || value.isInt64() || value.isBool())
            statement->bindInt (i + 1, (juce::int64) value);
        else if (value.isString())
            statement->bindText (i + 1, value.toString());
    }

    const auto result = statement->step();
    statement->reset();
    return result;
}

bool SQLLiteStatement::commit()
{
    statement.reset();

    if (transaction == nullptr)
        return false;

    const auto committed = transaction->commit();
    transaction.reset();
    return committed;
}
