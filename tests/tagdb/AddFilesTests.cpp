#include "LibraryFixture.h"
#include "tagdb/TaggedItem.h"

#include <optional>

using namespace corvane::test;

namespace
{
juce::StringArray pathsOf (std::initializer_list<juce::File> files)
{
    juce::StringArray paths;
    for (auto& f : files)
        paths.add (f.getFullPathName());
    paths.sort (false);
    return paths;
}
} // namespace

TEST_F (LibraryTest, FoldersAreWalkedAtAnyDepthAndUnknownTypesSkipped)
{
    const auto root = temp / "samples";
    const auto a = writeWav (root.getChildFile ("a.wav"));
    const auto b = writeWav (root.getChildFile ("one/two/three/b.wav"));
    const auto hidden = writeWav (root.getChildFile (".hidden/c.wav"));
    writeJunk (root.getChildFile ("one/readme.txt"));
    root.getChildFile ("empty").createDirectory();
    const auto single = writeWav (temp / "single.wav");

    // A folder link back up the tree is walked once.
    root.createSymbolicLink (root.getChildFile ("one/loop"), true);

    ASSERT_TRUE (library->addFiles ({ root.getFullPathName(), single.getFullPathName(), a.getFullPathName() }, {}));

    EXPECT_EQ (resultPaths(), pathsOf ({ a, b, hidden, single }));
    EXPECT_EQ (library->getResults().getSelectedItems().size(), 4);
    EXPECT_EQ (RawDatabase (dbFile).rows ("SELECT DISTINCT type FROM data"), juce::StringArray ("WAV file"));
    EXPECT_EQ (RawDatabase (dbFile).count ("SELECT count(*) FROM data WHERE quality = 0"), 4);
}

TEST_F (LibraryTest, ResultListHoldsExactlyTheLastAddedFilesAllSelected)
{
    const auto first = writeWav (temp / "first.wav");
    const auto second = writeWav (temp / "second.wav");
    const auto third = writeWav (temp / "third.wav");

    library->addFiles ({ first.getFullPathName() }, {});
    library->addFiles ({ second.getFullPathName(), third.getFullPathName() }, {});

    EXPECT_EQ (resultPaths(), pathsOf ({ second, third }));
    EXPECT_EQ (library->getResults().getSelectedRows().size(), 2);
    EXPECT_EQ (library->getResults().getSelectedItemSet().getNumSelected(), 2);
}

TEST_F (LibraryTest, FilesAreLinkedToGivenTagsOrElseToCheckedTags)
{
    const auto given = writeWav (temp / "given.wav");
    const auto checked = writeWav (temp / "checked.wav");
    const auto none = writeWav (temp / "none.wav");

    library->addFiles ({ none.getFullPathName() }, {});
    library->addFiles ({ given.getFullPathName() }, { 2, 3 });
    library->addFiles ({ given.getFullPathName() }, { 3 });
    library->getGrid().getCheckedTags().addToSelection (5);
    library->addFiles ({ checked.getFullPathName() }, {});

    RawDatabase db (dbFile);
    const auto linksOf = [&] (const juce::File& f)
    { return db.rows ("SELECT tag FROM tags_files WHERE file = " + juce::String (idOf (f)) + " ORDER BY tag").joinIntoString (","); };

    EXPECT_EQ (linksOf (none), "");
    EXPECT_EQ (linksOf (given), "2,3");
    EXPECT_EQ (linksOf (checked), "5");
    EXPECT_EQ (library->getResults().getItem (0)->getTags(), juce::Array<int> ({ 5 }));
}

TEST_F (LibraryTest, DeletedRowComesBackThroughBulkAddWithOldNameTypeAndLinks)
{
    const auto file = writeWav (temp / "back.wav");
    library->addFiles ({ file.getFullPathName() }, { 1 });
    const auto id = idOf (file);
    RawDatabase (dbFile).exec ("UPDATE data SET deleted = 1, name = 'old name', type = 'old type' WHERE id = " + juce::String (id));

    library->addFiles ({ file.getFullPathName() }, { 2 });

    RawDatabase db (dbFile);
    EXPECT_EQ (db.value ("SELECT id, deleted, name, type FROM data"), juce::String (id) + "|0|old name|old type");
    EXPECT_EQ (db.rows ("SELECT tag FROM tags_files ORDER BY tag").joinIntoString (","), "1,2");
}

TEST_F (LibraryTest, DeletedRowComesBackThroughSingleAddWithNewNameTypeAndLinks)
{
    const auto file = writeWav (temp / "back.wav");
    library->addFiles ({ file.getFullPathName() }, { 1, 2 });
    const auto id = idOf (file);
    RawDatabase (dbFile).exec ("UPDATE data SET deleted = 1 WHERE id = " + juce::String (id));

    library->addFileWithTags ("new name", "AIFF file", file.getFullPathName(), { 3 });

    RawDatabase db (dbFile);
    EXPECT_EQ (db.value ("SELECT id, deleted, name, type FROM data"), juce::String (id) + "|0|new name|AIFF file");
    EXPECT_EQ (db.rows ("SELECT tag FROM tags_files").joinIntoString (","), "3");

    // A present file only gains the link.
    library->addFileWithTags ("other name", "WAV file", file.getFullPathName(), { 4 });
    EXPECT_EQ (db.value ("SELECT name FROM data"), "new name");
    EXPECT_EQ (db.rows ("SELECT tag FROM tags_files ORDER BY tag").joinIntoString (","), "3,4");
}

TEST_F (LibraryTest, AwkwardPathsAreStoredAndFoundExactly)
{
    const juce::String names[] = {
        "it's here.wav",
        "semi;colon.wav",
        "100% loud '' \"quoted\".wav",
        "line\nbreak.wav",
        juce::String (juce::CharPointer_UTF8 ("\xc3\xa9t\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac.wav")),
        "--'; DROP TABLE data; --.wav",
    };

    for (const auto& name : names)
    {
        const auto file = writeWav (temp.get().getChildFile ("odd").getChildFile (name));
        library->addFileWithTags (name, "WAV file", file.getFullPathName(), { 1 });
        library->addFiles ({ file.getFullPathName() }, { 2 });

        RawDatabase db (dbFile);
        EXPECT_EQ (db.count ("SELECT count(*) FROM data WHERE path = '" + file.getFullPathName().replace ("'", "''") + "'"), 1) << name;
        EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files WHERE file = " + juce::String (idOf (file))), 2) << name;

        auto* item = library->getResults().getItem (0);
        ASSERT_NE (item, nullptr);
        EXPECT_EQ (item->getFile(), file);
        EXPECT_EQ (item->getName(), name);
    }

    EXPECT_EQ (RawDatabase (dbFile).count ("SELECT count(*) FROM data"), (int) std::size (names));
}

TEST_F (LibraryTest, DamagedAudioFilesAreAddedByNameWithoutHarm)
{
    const auto empty = temp / "empty.wav";
    empty.create();
    const auto junk = writeJunk (temp / "junk.wav", "this is text");
    const auto good = writeWav (temp / "good.wav", 4096);
    juce::MemoryBlock data;
    good.loadFileAsData (data);
    const auto truncated = temp / "truncated.wav";
    truncated.replaceWithData (data.getData(), 100);

    EXPECT_TRUE (library->addFiles ({ temp.get().getFullPathName() }, { 1 }));

    EXPECT_EQ (RawDatabase (dbFile).count ("SELECT count(*) FROM data"), 4);
    for (int i = 0; i < library->getResults().getNumRows(); ++i)
        EXPECT_TRUE (library->getResults().getItem (i)->load());
}

TEST_F (LibraryTest, LinkingTwiceLeavesOneLinkAndUntagRemovesIt)
{
    const auto file = writeWav (temp / "x.wav");
    library->addFiles ({ file.getFullPathName() }, {});
    const auto id = idOf (file);

    EXPECT_TRUE (library->addTagToFiles ({ id }, 7));
    EXPECT_TRUE (library->addTagToFiles ({ id }, 7));
    EXPECT_EQ (RawDatabase (dbFile).count ("SELECT count(*) FROM tags_files WHERE tag = 7"), 1);

    EXPECT_TRUE (library->removeTagFromFiles ({ id }, 7));
    EXPECT_EQ (RawDatabase (dbFile).count ("SELECT count(*) FROM tags_files"), 0);
}

TEST_F (LibraryTest, RatingsAreWrittenToRowsAndItems)
{
    library->addFiles ({ writeWav (temp / "a.wav").getFullPathName(), writeWav (temp / "b.wav").getFullPathName() }, {});
    const auto items = library->getResults().getSelectedItems();
    ASSERT_EQ (items.size(), 2);

    EXPECT_TRUE (library->setQuality (items, 0.6));
    for (auto* item : items)
        EXPECT_EQ (item->getQuality(), 0.6);
    EXPECT_EQ (RawDatabase (dbFile).rows ("SELECT quality FROM data"), juce::StringArray ("0.6", "0.6"));

    EXPECT_FALSE (library->setQuality (items, std::numeric_limits<double>::quiet_NaN()));

    // A rating that cannot be stored (another connection holds the write lock) is not shown.
    {
        RawDatabase other (dbFile);
        ASSERT_TRUE (other.exec ("BEGIN IMMEDIATE"));
        library->getDatabase().setBusyTimeout (50);
        EXPECT_FALSE (library->setQuality (items, 0.9));
        other.exec ("ROLLBACK");
    }
    for (auto* item : items)
        EXPECT_EQ (item->getQuality(), 0.6);
    EXPECT_EQ (RawDatabase (dbFile).rows ("SELECT quality FROM data"), juce::StringArray ("0.6", "0.6"));

    EXPECT_EQ (Corvane::formatRating (1.0), "1");
    EXPECT_EQ (Corvane::formatRating (0.123456789), "0.123457");
    EXPECT_EQ (Corvane::escapeQuotes ("it's 'x'"), "it''s ''x''");
}

TEST_F (LibraryTest, OrphanLinksGoAtDestructionButDeletedFilesKeepTheirs)
{
    library->addFiles ({ writeWav (temp / "kept.wav").getFullPathName(), writeWav (temp / "deleted.wav").getFullPathName() }, { 1 });
    const auto deletedId = idOf (temp / "deleted.wav");
    {
        RawDatabase db (dbFile);
        db.exec ("UPDATE data SET deleted = 1 WHERE id = " + juce::String (deletedId));
        db.exec ("INSERT INTO tags_files VALUES (9999, 1); INSERT INTO tags_files VALUES (" + juce::String (deletedId) + ", 9999)");
    }

    library.reset();

    RawDatabase db (dbFile);
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files"), 2);
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files WHERE file = " + juce::String (deletedId)), 1);
}

TEST_F (LibraryTest, ProgressIsReportedFromStartToEnd)
{
    struct Recorder : Corvane::AddProgressListener
    {
        void addFilesProgressed (Corvane&, double p) override { seen.add (p); }
        juce::Array<double> seen;
    } recorder;

    for (int i = 0; i < 5000; ++i)
        (temp / ("many/f" + juce::String (i) + ".wav")).create();

    library->addProgressListener (&recorder);
    library->addFiles ({ (temp / "many").getFullPathName() }, {});
    library->removeProgressListener (&recorder);

    ASSERT_GE (recorder.seen.size(), 3);
    EXPECT_EQ (recorder.seen.getFirst(), 0.0);
    EXPECT_EQ (recorder.seen.getLast(), 1.0);
    for (int i = 1; i < recorder.seen.size(); ++i)
        EXPECT_GE (recorder.seen[i], recorder.seen[i - 1]);
    EXPECT_EQ (library->getAddProgress(), -1.0);
    EXPECT_EQ (library->getLastAddFilesTimes().found, 5000);
}

TEST_F (LibraryTest, BackgroundAddFillsTheResultsWhenDoneAndShowsProgressMeanwhile)
{
    for (int i = 0; i < 3000; ++i)
        (temp / ("bg/d" + juce::String (i % 7) + "/f" + juce::String (i) + ".wav")).create();

    std::optional<bool> outcome;
    ASSERT_TRUE (library->addFilesInBackground ({ (temp / "bg").getFullPathName() }, { 1 }, [&] (bool ok) { outcome = ok; }));
    EXPECT_FALSE (library->addFilesInBackground ({ (temp / "bg").getFullPathName() }, {}));
    EXPECT_GE (library->getAddProgress(), 0.0);

    ASSERT_TRUE (pumpUntil ([&] { return outcome.has_value(); }, 20000));
    EXPECT_TRUE (*outcome);
    EXPECT_FALSE (library->isAddingInBackground());
    EXPECT_EQ (library->getAddProgress(), -1.0);
    EXPECT_EQ (library->getResults().getNumRows(), 3000);
    EXPECT_EQ (library->getResults().getSelectedItems().size(), 3000);
    EXPECT_EQ (RawDatabase (dbFile).count ("SELECT count(*) FROM tags_files WHERE tag = 1"), 3000);
}

TEST_F (LibraryTest, LibraryGoingAwayDuringABackgroundAddLeavesAConsistentFile)
{
    for (int i = 0; i < 20000; ++i)
        (temp / ("big/d" + juce::String (i % 50) + "/f" + juce::String (i) + ".wav")).create();

    ASSERT_TRUE (library->addFilesInBackground ({ (temp / "big").getFullPathName() }, { 1 }));
    juce::Thread::sleep (50);
    library.reset();
    pumpUntil ([] { return false; }, 100);

    RawDatabase db (dbFile);
    const auto rows = db.count ("SELECT count(*) FROM data");
    EXPECT_TRUE (rows == 0 || rows == 20000) << rows;
    EXPECT_EQ (db.value ("PRAGMA integrity_check"), "ok");
}
