#include "LibraryFixture.h"
#include "tagdb/SQLLiteDB.h"
#include "tagdb/SQLLiteDBClient.h"
#include "tagdb/SQLLiteStatement.h"

#include <sqlite3.h>

using namespace corvane::test;

namespace
{
class DatabaseTest : public ::testing::Test
{
protected:
    DatabaseTest()
    {
        EXPECT_TRUE (db.setDatabaseFile (file));
        client.query ("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT, n NUMERIC)");
    }

    TempFolder temp;
    juce::File file { temp / "t.db" };
    SQLLiteDB db;
    SQLLiteDBClient client { &db, false };
};
} // namespace

TEST_F (DatabaseTest, BatchGivesOneResultSetPerStatementInOrder)
{
    client.query ("INSERT INTO t (name) VALUES ('a'); INSERT INTO t (name) VALUES ('b');"
                  "SELECT name FROM t ORDER BY id; SELECT name FROM t WHERE name = 'none'");

    const auto& sets = db.getResultSets();
    ASSERT_EQ (sets.size(), 4);
    EXPECT_EQ (sets[0]->size(), 0);
    ASSERT_EQ (sets[2]->size(), 2);
    EXPECT_EQ ((*sets[2])[0]->joinIntoString (","), "a");
    EXPECT_EQ ((*sets[2])[1]->joinIntoString (","), "b");
    EXPECT_EQ (sets[3]->size(), 0);
    EXPECT_EQ (db.getLastResultCode(), SQLITE_DONE);
}

TEST_F (DatabaseTest, FailingStatementEndsTheBatchAndKeepsWhatRanBefore)
{
    client.query ("INSERT INTO t (name) VALUES ('kept'); INSERT INTO nowhere VALUES (1); INSERT INTO t (name) VALUES ('never')");

    EXPECT_EQ (db.getResultSets().size(), 1);
    EXPECT_EQ (db.getLastResultCode(), SQLITE_ERROR);
    EXPECT_EQ (RawDatabase (file).rows ("SELECT name FROM t"), juce::StringArray ("kept"));
}

TEST_F (DatabaseTest, QueryIntAnswersMinusOneWithoutRowAndZeroForNull)
{
    client.query ("INSERT INTO t (name, n) VALUES ('x', NULL)");

    EXPECT_EQ (db.queryInt ("SELECT n FROM t WHERE name = 'nobody'"), -1);
    EXPECT_EQ (db.queryInt ("SELECT n FROM t WHERE name = 'x'"), 0);
    EXPECT_EQ (db.queryInt ("SELECT id FROM t WHERE name = ?", { "x" }), 1);
    EXPECT_EQ (db.queryInt ("SELECT broken FROM"), -1);
}

TEST_F (DatabaseTest, NullReadsAsEmptyText)
{
    client.query ("INSERT INTO t (name, n) VALUES (NULL, 5); SELECT name, n FROM t");

    ASSERT_EQ (db.getResultSets()[1]->size(), 1);
    const auto& row = *(*db.getResultSets()[1])[0];
    EXPECT_EQ (row.size(), 2);
    EXPECT_EQ (row[0], "");
    EXPECT_EQ (row[1], "5");
}

TEST_F (DatabaseTest, NonAsciiTextSurvivesLiteralAndBoundStatements)
{
    const auto name = juce::String (juce::CharPointer_UTF8 ("Caf\xc3\xa9 \xe2\x80\x94 \xe9\x9f\xb3 \xf0\x9f\x8e\xb9 o'clock.wav"));

    client.query ("INSERT INTO t (id, name) VALUES (1, '" + name.replace ("'", "''") + "')");
    client.queryWithArgs ("INSERT INTO t (id, name) VALUES (2, ?)", { name });
    {
        std::unique_ptr<SQLLiteStatement> statement (db.createStatement ("INSERT INTO t (id, name) VALUES (?, ?)"));
        statement->execute ({ 3, name });
    }

    client.query ("SELECT name FROM t ORDER BY id");
    const auto& rows = *db.getResultSets()[0];
    ASSERT_EQ (rows.size(), 3);
    for (auto* row : rows)
        EXPECT_EQ ((*row)[0], name);

    EXPECT_EQ (db.queryInt ("SELECT count(*) FROM t WHERE name = ?", { name }), 3);
}

TEST_F (DatabaseTest, UnopenableFileKeepsThePreviousOne)
{
    const auto blocker = writeJunk (temp / "plain-file");
    const juce::File cases[] = { blocker.getChildFile ("inside.db"), writeJunk (temp / "foreign.db", juce::String::repeatedString ("not a database ", 100)) };

    for (const auto& target : cases)
    {
        EXPECT_FALSE (db.setDatabaseFile (target)) << target.getFullPathName();
        EXPECT_EQ (db.getDatabaseFile(), file);
    }

    EXPECT_EQ (db.queryInt ("SELECT count(*) FROM t"), 0);
}

TEST_F (DatabaseTest, LastInsertRowIdOutlivesTheBatch)
{
    client.query ("INSERT INTO t (id, name) VALUES (41, 'a'); INSERT INTO t (name) VALUES ('b')");
    EXPECT_EQ (db.getLastInsertRowId(), 42);
}

TEST_F (DatabaseTest, WhiteSpaceRemainderYieldsOneEmptyResultSet)
{
    client.query ("SELECT 1;   \n ");
    ASSERT_EQ (db.getResultSets().size(), 2);
    EXPECT_EQ (db.getResultSets()[1]->size(), 0);
}

TEST_F (DatabaseTest, StatementWritesAllRowsInOneTransaction)
{
    std::unique_ptr<SQLLiteStatement> statement (db.createStatement ("INSERT INTO t (name, n) VALUES (?, ?)"));
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ (statement->execute ({ "row " + juce::String (i), i }), SQLITE_DONE);

    // Another connection sees nothing before the commit.
    EXPECT_EQ (RawDatabase (file).count ("SELECT count(*) FROM t"), 0);
    statement.reset();
    EXPECT_EQ (RawDatabase (file).count ("SELECT count(*) FROM t"), 100);
}

TEST_F (DatabaseTest, StatementCompilesAnswersWithoutExecuting)
{
    EXPECT_TRUE (db.statementCompiles ("DELETE FROM t"));
    EXPECT_FALSE (db.statementCompiles ("SELECT missing FROM t"));
    EXPECT_EQ (db.getLastResultCode(), SQLITE_ERROR);
}

TEST_F (DatabaseTest, FileUsesWriteAheadLog)
{
    EXPECT_EQ (RawDatabase (file).value ("PRAGMA journal_mode"), "wal");
}

TEST_F (DatabaseTest, AsynchronousBatchRunsOnTheWorker)
{
    client.query ("INSERT INTO t (name) VALUES ('later')", false);
    EXPECT_TRUE (pumpUntil ([this] { return RawDatabase (file).count ("SELECT count(*) FROM t") == 1; }));
}
