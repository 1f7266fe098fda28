#include "LibraryFixture.h"
#include "framework/folders/WisedFileList.h"
#include "shell/history/QwelHistory.h"
#include "tagdb/TaggedItem.h"

using namespace corvane::test;

namespace
{
class ItemTest : public LibraryTest
{
protected:
    ItemTest()
    {
        library->registerFileTypes();
        library->addFiles ({ file.getFullPathName() }, { 1, 2 });
        id = idOf (file);
    }

    juce::File file = writeWav (temp / "drum loop.wav");
    int id = 0;
    QwelHistory history;
};
} // namespace

TEST_F (ItemTest, LoadsLazilyAndItemsOfRemovedRowsStayUnloaded)
{
    TaggedItem item (library.get(), id, "WAV file", 0.25);
    EXPECT_FALSE (item.isLoaded());
    EXPECT_EQ (item.getFile(), file);
    EXPECT_TRUE (item.isLoaded());
    EXPECT_EQ (item.getName(), "drum loop.wav");

    RawDatabase (dbFile).exec ("DELETE FROM data");
    TaggedItem gone (library.get(), id, "WAV file", 0.25);
    EXPECT_EQ (gone.getFile(), juce::File());
    EXPECT_FALSE (gone.isLoaded());
    EXPECT_EQ (gone.getName(), "");
    EXPECT_EQ (gone.getType(), "WAV file");
    EXPECT_EQ (gone.getQuality(), 0.25);
}

TEST_F (ItemTest, TypesAreDetectedAndGiveTheirIcons)
{
    struct Case
    {
        juce::String fileName, type, icon;
    };
    const Case cases[] = {
        { "a.wav", "WAV file", "wav" },
        { "a.aiff", "AIFF file", "aiff" },
        { "a.flac", "FLAC file", "flac" },
        { "a.txt", "", "star" },
        { "a.vst3", "", "star" },
    };

    for (const auto& c : cases)
    {
        EXPECT_EQ (library->detectType (temp / c.fileName), c.type) << c.fileName;
        TaggedItem item (library.get(), 1, c.type.isNotEmpty() ? c.type : juce::String ("VST3"), 0);
        EXPECT_EQ (item.getIconName(), c.icon) << c.fileName;
    }

    ASSERT_EQ (library->getTypeFilters().size(), 4);
    EXPECT_EQ (library->getTypeFilters()[0]->getDescriptor().getTypeName(), "FLAC file");
    EXPECT_EQ (library->getTypeFilters()[3]->getDescriptor().getTypeName(), "CoreAudio supported file");
    EXPECT_EQ (library->getTypeFilters()[3]->getDescriptor().getIconName(), "mac");
}

TEST_F (ItemTest, EnabledTypesAreQuotedNames)
{
    EXPECT_TRUE (library->getEnabledTypes().isEmpty());

    library->getTypeFilter ("WAV file")->getParameter().setValue (nullptr, {}, true, 1.0);
    EXPECT_EQ (library->getEnabledTypes(), juce::StringArray ("'WAV file'"));

    library->getTypeFilter ("FLAC file")->getParameter().setValue (nullptr, {}, true, 1.0);
    auto enabled = library->getEnabledTypes();
    enabled.sort (false);
    EXPECT_EQ (enabled, juce::StringArray ("'FLAC file'", "'WAV file'"));
}

TEST_F (ItemTest, RenameUpdatesTheSameRowAndUndoRestoresIt)
{
    auto* live = library->getResults().getItem (0);
    ASSERT_NE (live, nullptr);
    TaggedItem renamed (*live);
    renamed.setName ("it's renamed.wav");
    renamed.setFile (temp / "it's renamed.wav");

    history.beginNewTransaction ("rename tagged item");
    history.perform (new TaggedItem::UndoableChangeAction (*live, renamed));

    RawDatabase db (dbFile);
    EXPECT_EQ (db.value ("SELECT id, name, path FROM data"),
               juce::String (id) + "|it's renamed.wav|" + (temp / "it's renamed.wav").getFullPathName());
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files WHERE file = " + juce::String (id)), 2);

    history.undo();
    EXPECT_EQ (db.value ("SELECT id, name, path FROM data"), juce::String (id) + "|drum loop.wav|" + file.getFullPathName());

    history.redo();
    EXPECT_EQ (db.value ("SELECT name FROM data"), "it's renamed.wav");
}

TEST_F (ItemTest, DeleteMarksRowsAndUndoBringsThemBackWithTagsAndRatings)
{
    const auto other = writeWav (temp / "other.wav");
    library->addFiles ({ file.getFullPathName(), other.getFullPathName() }, { 3 });
    library->setQuality (library->getResults().getSelectedItems(), 0.8);

    const auto ids = library->getResults().getSelectedIds();
    ASSERT_EQ (ids.size(), 2);

    history.beginNewTransaction ("delete tagged items");
    history.perform (new TaggedItem::UndoableDeleteAction (ids, library.get()));

    RawDatabase db (dbFile);
    EXPECT_EQ (db.count ("SELECT count(*) FROM data WHERE deleted = 1"), 2);

    history.undo();
    EXPECT_EQ (db.count ("SELECT count(*) FROM data WHERE deleted = 0 AND quality = 0.8"), 2);
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files"), 4);

    // Links of deleted files survive the orphan sweep, so an undo after a restart still works.
    history.redo();
    library.reset();
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files"), 4);
}

TEST_F (ItemTest, DeleteSelectedWithoutHistoryRunsAtOnce)
{
    library->getResults().selectAll();
    library->getResults().deleteSelected (nullptr);
    EXPECT_EQ (RawDatabase (dbFile).count ("SELECT deleted FROM data"), 1);
}

TEST_F (ItemTest, MissingFileIsOfferedToTheFolderListAndRelinkedInItsRow)
{
    WisedFileList::setDefaultFiles (temp / "common/path.xml", temp / "user/path.xml");

    const auto moved = temp / "moved/drum loop.wav";
    moved.getParentDirectory().createDirectory();
    ASSERT_TRUE (file.moveFileTo (moved));

    TaggedItem item (library.get(), id, "WAV file", 0);
    auto* folders = WisedFileList::getInstance();
    const auto before = folders->size();
    item.locate();
    ASSERT_EQ (folders->size(), before + 1);

    // The user finds the file through the list's row.
    folders->getLast()->setFile (moved);

    RawDatabase db (dbFile);
    EXPECT_EQ (db.value ("SELECT id, path FROM data"), juce::String (id) + "|" + moved.getFullPathName());
    EXPECT_EQ (db.count ("SELECT count(*) FROM tags_files WHERE file = " + juce::String (id)), 2);

    folders->removeFile (folders->size() - 1);
}

TEST_F (ItemTest, CopiesCarryTheWholeState)
{
    TaggedItem item (library.get(), id, "WAV file", 0.5);
    item.getTags().add (4);

    std::unique_ptr<TaggedItemBase> copy (item.clone());
    auto* tagged = dynamic_cast<TaggedItem*> (copy.get());
    ASSERT_NE (tagged, nullptr);
    EXPECT_EQ (tagged->getId(), id);
    EXPECT_EQ (tagged->getFile(), file);
    EXPECT_EQ (tagged->getName(), "drum loop.wav");
    EXPECT_EQ (tagged->getQuality(), 0.5);
    EXPECT_EQ (tagged->getTags(), juce::Array<int> ({ 4 }));
    EXPECT_TRUE (tagged->isSameAs (item));
}

TEST_F (ItemTest, FileReceivedBeforeLoadingKeepsTheRowsName)
{
    TaggedItem item (library.get(), id, "WAV file", 0);
    item.receiveFile (temp / "elsewhere.wav");

    EXPECT_EQ (RawDatabase (dbFile).value ("SELECT id, name, path FROM data"),
               juce::String (id) + "|drum loop.wav|" + (temp / "elsewhere.wav").getFullPathName());
}
