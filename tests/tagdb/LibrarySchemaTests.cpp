#include "LibraryFixture.h"

#include <sqlite3.h>

#include <thread>

using namespace corvane::test;

namespace
{
const char* const createStatements[] = {
    "CREATE TABLE data (deleted NUMERIC default 0,size NUMERIC,date DATE, name TEXT, type TEXT, id INTEGER PRIMARY KEY, path TEXT UNIQUE,quality NUMERIC default -1)",
    "CREATE TABLE tags (deleted Numeric default 0,  col Numeric, sort Numeric, parent NUMERIC, name TEXT, id INTEGER PRIMARY KEY)",
    "CREATE TABLE tags_files (  file NUMERIC, tag NUMERIC , UNIQUE (file,tag))",
    "CREATE TABLE paths ( path TEXT, id INTEGER PRIMARY KEY)",
};

juce::String tagsAt (RawDatabase& db, int column, int sort)
{
    return db.rows ("SELECT name FROM tags WHERE col = " + juce::String (column) + " AND sort = " + juce::String (sort)
                    + " ORDER BY name")
        .joinIntoString (";");
}

bool anyDialogOpen()
{
    return juce::Component::getCurrentlyModalComponent() != nullptr;
}
} // namespace

TEST_F (LibraryTest, NewFileHasTheFourTablesAndTheDefaultTagsInPlace)
{
    juce::StringArray lines;
    for (int i = 0; i < 150; ++i)
        lines.add ("tag " + juce::String (i));
    lines.set (2, "");
    lines.set (3, "keys;;pads");
    lines.set (50, juce::String (juce::CharPointer_UTF8 ("Gr\xc3\xbc\xc3\x9f" "e 'quoted'")));
    tagsFile.replaceWithText (lines.joinIntoString ("\n"));

    library.reset();
    dbFile.deleteFile();
    library = makeLibrary (dbFile);
    EXPECT_FALSE (anyDialogOpen());

    RawDatabase db (dbFile);
    const auto schema = db.rows ("SELECT sql FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
    ASSERT_EQ (schema.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ (schema[i], createStatements[i]);

    EXPECT_EQ (tagsAt (db, 0, 0), "tag 0");
    EXPECT_EQ (tagsAt (db, 0, 2), "unnamed");
    EXPECT_EQ (tagsAt (db, 0, 3), "keys;pads;unnamed");
    EXPECT_EQ (tagsAt (db, 0, 49), "tag 49");
    EXPECT_EQ (tagsAt (db, 1, 0), lines[50]);
    EXPECT_EQ (tagsAt (db, 2, 49), "tag 149");
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags WHERE deleted = 0"), 152);
    EXPECT_EQ (library->getTags().size(), 152);
}

TEST_F (LibraryTest, TagsLoadByDescendingSortIntoTheirColumns)
{
    auto& tags = library->getTags();
    ASSERT_GT (tags.size(), 1);
    for (int i = 1; i < tags.size(); ++i)
    {
        EXPECT_GE (tags[i - 1]->getSort(), tags[i]->getSort());
    }

    library->getGrid().getColsParameter().setValue (nullptr, {}, true, 3.0);
    ASSERT_TRUE (pumpUntil ([this] { return library->getGrid().getColumnLists().size() == 3; }));

    for (auto* list : library->getGrid().getColumnLists())
    {
        EXPECT_EQ (list->size(), list->getColumn() == 0 ? 51 : 50); // "keys;pads" share a cell
        EXPECT_EQ (list->getNumRows(), 15);
        for (int i = 0; i < list->size(); ++i)
        {
            EXPECT_EQ ((*list)[i]->getColumn(), list->getColumn());
            if (i > 0)
            {
                EXPECT_GE ((*list)[i - 1]->getSort(), (*list)[i]->getSort());
            }
        }
    }
}

TEST_F (LibraryTest, MismatchedDataTableIsRecreatedWhileTagsAndLinksStay)
{
    library.reset();
    {
        RawDatabase db (dbFile);
        ASSERT_TRUE (db.exec ("DROP TABLE data; CREATE TABLE data (id INTEGER PRIMARY KEY, path TEXT, name TEXT);"
                              "INSERT INTO data (path, name) VALUES ('/old.wav', 'old');"
                              "UPDATE tags SET name = 'renamed' WHERE id = 1; INSERT INTO tags_files VALUES (1, 1)"));
    }

    library = makeLibrary (dbFile);

    RawDatabase db (dbFile);
    EXPECT_EQ (db.value ("SELECT sql FROM sqlite_master WHERE name = 'data'"), createStatements[0]);
    EXPECT_EQ (db.count ("SELECT count(*) FROM data"), 0);
    EXPECT_EQ (db.value ("SELECT name FROM tags WHERE id = 1"), "renamed");
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags"), 151);
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files"), 1);
}

TEST_F (LibraryTest, MissingDefaultTagsFileGivesTheShippedListWithoutAsking)
{
    library.reset();
    dbFile.deleteFile();
    tagsFile.deleteFile();
    library = makeLibrary (dbFile);

    EXPECT_FALSE (anyDialogOpen());
    RawDatabase db (dbFile);
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags"), 150);
    EXPECT_EQ (tagsAt (db, 0, 49), "Kick");
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags WHERE name = 'unnamed'"), 0);
}

TEST_F (LibraryTest, OversizedOrBinaryDefaultTagsFilesStillGiveOneTagPerCell)
{
    juce::MemoryBlock binary;
    juce::Random random (7);
    for (int i = 0; i < 20000; ++i)
        binary.append (&i, 1), binary.append ("\xff\xfe\x00\x80", (size_t) random.nextInt (4) + 1);

    juce::String manyLines;
    for (int i = 0; i < 10000; ++i)
        manyLines << "line " << i << "\n";

    for (const auto& content : { juce::MemoryBlock (manyLines.toRawUTF8(), manyLines.getNumBytesAsUTF8()), binary })
    {
        library.reset();
        dbFile.deleteFile();
        tagsFile.replaceWithData (content.getData(), content.getSize());
        library = makeLibrary (dbFile);

        RawDatabase db (dbFile);
        EXPECT_EQ (db.count ("SELECT count(DISTINCT col || '/' || sort) FROM tags"), 150);
        EXPECT_EQ (db.count ("SELECT count(*) FROM tags WHERE col < 0 OR col > 2 OR sort < 0 OR sort > 49"), 0);
        EXPECT_FALSE (anyDialogOpen());
    }

    RawDatabase db (dbFile);
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags WHERE name = ''"), 0);
}

TEST_F (LibraryTest, MissingFileMeansTheDefaultDatabaseInItsNewFolder)
{
    const auto defaultFile = Corvane::getDefaultDatabaseFile();
    ASSERT_TRUE (defaultFile.isAChildOf (testHome()));
    defaultFile.getParentDirectory().deleteRecursively();

    Corvane other (temp / "missing.db", tagsFile);

    EXPECT_EQ (other.getDatabase().getDatabaseFile(), defaultFile);
    EXPECT_TRUE (defaultFile.existsAsFile());
    EXPECT_EQ (defaultFile.getParentDirectory().getFileName(), "Corvane");
    EXPECT_EQ (defaultFile.getParentDirectory().getParentDirectory().getFileName(), "Qwel");
    EXPECT_FALSE ((temp / "missing.db").exists());
}

TEST_F (LibraryTest, ForeignFileIsLeftAloneAndTheLibraryStaysUsable)
{
    const auto foreign = writeJunk (temp / "notes.db", juce::String::repeatedString ("my notes ", 500));
    const auto before = foreign.loadFileAsString();

    Corvane other (foreign, tagsFile);

    EXPECT_EQ (foreign.loadFileAsString(), before);
    EXPECT_EQ (other.getDatabase().getDatabaseFile(), Corvane::getDefaultDatabaseFile());
    EXPECT_TRUE (other.addFiles ({ writeWav (temp / "a.wav").getFullPathName() }, {}));
}

TEST_F (LibraryTest, ChangingTheFileReloadsTagsAndAFailedChangeKeepsTheCurrentOne)
{
    const auto otherFile = temp / "other.db";
    {
        RawDatabase db (otherFile);
        ASSERT_TRUE (db.exec (createStatements[1]));
        ASSERT_TRUE (db.exec ("INSERT INTO tags (name, col, sort, deleted) VALUES ('only', 0, 0, 0)"));
    }

    EXPECT_FALSE (library->changeDatabaseFile (writeJunk (temp / "junk.db", juce::String::repeatedString ("x", 2000))));
    EXPECT_EQ (library->getDatabase().getDatabaseFile(), dbFile);

    EXPECT_TRUE (library->changeDatabaseFile (otherFile));
    ASSERT_EQ (library->getTags().size(), 1);
    EXPECT_EQ (library->getTags()[0]->getName(), "only");
}

TEST_F (LibraryTest, FileLockedByAnotherProcessIsWaitedForAndKeepsItsRows)
{
    const auto sqlite = juce::File ("/usr/bin/sqlite3");
    if (! sqlite.existsAsFile())
        GTEST_SKIP() << "needs the sqlite3 command";

    library.reset();
    RawDatabase (dbFile).exec ("INSERT INTO data (name, path, type) VALUES ('kept', '/kept.wav', 'WAV file')");

    // Another process takes the write lock and holds it until told to let go (10 s at most).
    // It waits for the lock itself: each look below takes the lock for a moment, and a
    // process that met it then would give up and never hold it.
    const auto release = temp / "release";
    juce::ChildProcess holder;
    const auto script = "(echo \".timeout 5000\"; echo \"BEGIN IMMEDIATE; UPDATE data SET quality = 0.5;\"; i=0; while [ ! -e "
                        + release.getFullPathName().quoted() + " ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i+1)); done; "
                        + "echo 'COMMIT;') | " + sqlite.getFullPathName() + " " + dbFile.getFullPathName().quoted();
    ASSERT_TRUE (holder.start (juce::StringArray { "/bin/sh", "-c", script }));
    ASSERT_TRUE (pumpUntil ([&] { return RawDatabase (dbFile).isWriteLocked(); }, 5000));

    library = makeLibrary (dbFile);
    library->getDatabase().setBusyTimeout (100);
    EXPECT_FALSE (library->addFiles ({ writeWav (temp / "while-locked.wav").getFullPathName() }, {}));

    // A write that meets the lock waits for it.
    library->getDatabase().setBusyTimeout (SQLLiteDB::defaultBusyTimeoutMs);
    const auto after = writeWav (temp / "after.wav");
    std::thread releaser ([release] { juce::Thread::sleep (300); release.create(); });
    EXPECT_TRUE (library->addFiles ({ after.getFullPathName() }, {}));
    releaser.join();
    holder.waitForProcessToFinish (10000);

    RawDatabase db (dbFile);
    EXPECT_EQ (db.value ("SELECT quality FROM data WHERE name = 'kept'"), "0.5");
    EXPECT_EQ (db.count ("SELECT count(*) FROM data"), 2);
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags"), 151);
}

TEST_F (LibraryTest, ReadOnlyFileLosesNothingAndTheLibraryStaysUsable)
{
    library->addFiles ({ writeWav (temp / "stored.wav").getFullPathName() }, { 1 });
    library.reset();

    // Even root cannot write an immutable file; without chattr there is no way to make one.
    const auto chattr = [this] (const char* flag)
    {
        juce::ChildProcess p;
        return p.start (juce::StringArray { "chattr", flag, dbFile.getFullPathName() })
               && p.waitForProcessToFinish (5000) && p.getExitCode() == 0;
    };
    if (! chattr ("+i"))
        GTEST_SKIP() << "cannot make a read-only file here";

    {
        auto readOnly = makeLibrary (dbFile);
        EXPECT_GT (readOnly->getTags().size(), 0);
        const auto onFile = readOnly->getDatabase().getDatabaseFile() == dbFile;
        EXPECT_EQ (readOnly->addFiles ({ writeWav (temp / "new.wav").getFullPathName() }, {}), ! onFile);
    }

    ASSERT_TRUE (chattr ("-i"));
    RawDatabase db (dbFile);
    EXPECT_EQ (db.rows ("SELECT name FROM data"), juce::StringArray ("stored.wav"));
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files"), 1);
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags"), 151);
}
