#include "LibraryFixture.h"

#include <atomic>
#include <thread>

using namespace corvane::test;

// Two plug-in instances on one library file: one adds a folder while the other tags and rates
// its files and a reader keeps searching. Nothing either writes may be lost.
TEST_F (LibraryTest, TwoLibrariesOnOneFileLoseNothingWhileWritingAndReading)
{
    auto other = makeLibrary (dbFile);

    juce::StringArray otherPaths;
    for (int i = 0; i < 40; ++i)
        otherPaths.add (writeWav (temp / ("other/o" + juce::String (i) + ".wav")).getFullPathName());
    ASSERT_TRUE (other->addFiles (otherPaths, {}));
    const auto otherIds = other->getResults().getSelectedIds();

    for (int i = 0; i < 3000; ++i)
        (temp / ("bulk/d" + juce::String (i / 100) + "/f" + juce::String (i) + ".wav")).create();

    std::atomic<bool> done { false };
    std::atomic<int> failedWrites { 0 }, failedReads { 0 }, reads { 0 };

    std::thread writer ([&]
    {
        for (int round = 0; round < 30; ++round)
        {
            if (! other->addTagToFiles (otherIds, 100 + round))
                ++failedWrites;
            juce::Thread::sleep (2);
        }
    });

    std::thread reader ([&]
    {
        RawDatabase db (dbFile);
        while (! done)
        {
            if (db.rows ("SELECT count(*) FROM data JOIN tags_files ON tags_files.file = data.id").isEmpty())
                ++failedReads;
            ++reads;
        }
    });

    bool added = true;
    for (int i = 0; i < 3; ++i)
        added = library->addFiles ({ (temp / "bulk").getFullPathName() }, { 1 + i }) && added;

    writer.join();
    done = true;
    reader.join();

    EXPECT_TRUE (added);
    EXPECT_EQ (failedWrites.load(), 0);
    EXPECT_EQ (failedReads.load(), 0);
    EXPECT_GT (reads.load(), 0);

    RawDatabase db (dbFile);
    EXPECT_EQ (db.count ("SELECT count(*) FROM data"), 3040);
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files WHERE tag BETWEEN 1 AND 3"), 9000);
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files WHERE tag >= 100"), 40 * 30);
}
