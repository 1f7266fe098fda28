#include "LibraryFixture.h"
#include "shell/history/QwelHistory.h"
#include "tagdb/TaggedItem.h"

#include <dlfcn.h>

using namespace corvane::test;

namespace
{
// A plug-in's host installs an X error handler; JUCE leaves it to the host, and without one
// Xlib ends the process on the first harmless error (as on a display without a window manager).
void tolerateXErrors()
{
    using Handler = int (*) (void*, void*);
    using SetHandler = Handler (*) (Handler);

    if (auto* x11 = dlopen ("libX11.so.6", RTLD_NOW))
        if (auto set = reinterpret_cast<SetHandler> (dlsym (x11, "XSetErrorHandler")))
            set ([] (void*, void*) { return 0; });
}

class TagTest : public LibraryTest
{
protected:
    Tag* tagAt (int column, int sort)
    {
        for (auto* tag : library->getTags())
            if (tag->getColumn() == column && tag->getSort() == sort)
                return tag;
        return nullptr;
    }

    juce::String storedPlaceOf (int tagId)
    {
        return RawDatabase (dbFile).value ("SELECT name, col, sort FROM tags WHERE id = " + juce::String (tagId));
    }

    QwelHistory history;
};
} // namespace

TEST_F (TagTest, SeveralNamesInOneTextMakeSeveralTagsAtOnePlace)
{
    library->addTag ("hats;;it's", 1, 4);
    library->reloadTags();

    RawDatabase db (dbFile);
    EXPECT_EQ (db.rows ("SELECT name FROM tags WHERE col = 1 AND sort = 4 ORDER BY name"),
               juce::StringArray ("hats", "it's", "unnamed", "unnamed"));
    EXPECT_EQ (library->getTags().size(), 154);
}

TEST_F (TagTest, EmptyTextAsksWithoutBlockingAndCancelCreatesNothing)
{
#if defined(__SANITIZE_THREAD__)
    // The X client libraries lock in ways ThreadSanitizer cannot follow once a window opens.
    GTEST_SKIP() << "opens a desktop window";
#endif
    tolerateXErrors();
    int added = 0;

    for (const auto result : { 2, 1 })
    {
        library->addTag ({}, 2, 7, [&] { ++added; });

        auto* dialog = dynamic_cast<juce::AlertWindow*> (juce::Component::getCurrentlyModalComponent());
        ASSERT_NE (dialog, nullptr);
        EXPECT_EQ (dialog->getName(), "add tag");
        dialog->getTextEditor ("text")->setText ("typed;names");
        juce::Component::SafePointer<juce::AlertWindow> alive (dialog);
        dialog->exitModalState (result);
        ASSERT_TRUE (pumpUntil ([&] { return alive == nullptr; }));
    }

    EXPECT_EQ (added, 1);
    EXPECT_EQ (RawDatabase (dbFile).rows ("SELECT name FROM tags WHERE col = 2 AND sort = 7 ORDER BY name"),
               juce::StringArray ("names", "typed", "unnamed"));
}

TEST_F (TagTest, RenameStoresAndUndoRestoresInDatabaseAndObject)
{
    auto* tag = tagAt (0, 0);
    ASSERT_NE (tag, nullptr);
    const auto id = tag->getId();

    Tag::renameWithUndo (*tag, "kick's \"own\"", &history);
    EXPECT_EQ (tag->getName(), "kick's \"own\"");
    EXPECT_EQ (storedPlaceOf (id), "kick's \"own\"|0|0");

    history.undo();
    EXPECT_EQ (tag->getName(), "drums");
    EXPECT_EQ (storedPlaceOf (id), "drums|0|0");

    // After a reload the action works on the rows alone.
    library->reloadTags();
    history.redo();
    EXPECT_EQ (storedPlaceOf (id), "kick's \"own\"|0|0");
    EXPECT_EQ (library->getTags().findTag (id)->getName(), "kick's \"own\"");
}

TEST_F (TagTest, FlipExchangesPlacesThatSurviveAReloadAndUndo)
{
    auto* target = tagAt (0, 0);
    auto* dropped = tagAt (1, 2);
    ASSERT_NE (target, nullptr);
    ASSERT_NE (dropped, nullptr);
    const auto targetId = target->getId();
    const auto droppedId = dropped->getId();
    const auto droppedName = dropped->getName();

    Tag::flipWithUndo (*target, *dropped, &history);

    // The cells now show the other tag.
    EXPECT_EQ (target->getId(), droppedId);
    EXPECT_EQ (target->getName(), droppedName);
    EXPECT_EQ (dropped->getId(), targetId);

    library->reloadTags();
    EXPECT_EQ (tagAt (0, 0)->getId(), droppedId);
    EXPECT_EQ (tagAt (1, 2)->getId(), targetId);
    EXPECT_EQ (storedPlaceOf (targetId), "drums|1|2");

    history.undo();
    library->reloadTags();
    EXPECT_EQ (tagAt (0, 0)->getId(), targetId);
    EXPECT_EQ (tagAt (1, 2)->getId(), droppedId);
    EXPECT_EQ (storedPlaceOf (targetId), "drums|0|0");
    EXPECT_EQ (storedPlaceOf (droppedId), droppedName + "|1|2");
}

TEST_F (TagTest, CheckStatesFollowTheSelectedFilesAndToggleAddsThenRemoves)
{
    library->addFiles ({ writeWav (temp / "a.wav").getFullPathName(), writeWav (temp / "b.wav").getFullPathName(),
                         writeWav (temp / "c.wav").getFullPathName() },
                       { 99 });
    auto* tag = tagAt (0, 1);
    ASSERT_NE (tag, nullptr);
    const auto tagId = tag->getId();
    auto& results = library->getResults();
    ASSERT_EQ (results.getNumRows(), 3);

    results.selectRow (0, {});
    results.selectRow (1, juce::ModifierKeys::commandModifier);
    library->addTagToFiles (results.getSelectedIds(), tagId);
    for (auto* item : results.getSelectedItems())
        item->getTags().add (tagId);

    results.selectAll();
    EXPECT_EQ (tag->getCheckState(), "semiChecked");

    tag->toggleOnSelection();
    EXPECT_EQ (tag->getCheckState(), "checked");
    EXPECT_EQ (RawDatabase (dbFile).count ("SELECT count(*) FROM tags_files WHERE tag = " + juce::String (tagId)), 3);

    tag->toggleOnSelection();
    EXPECT_EQ (tag->getCheckState(), "empty");
    EXPECT_EQ (RawDatabase (dbFile).count ("SELECT count(*) FROM tags_files WHERE tag = " + juce::String (tagId)), 0);

    results.selectedRowsChanged (-1);
    EXPECT_EQ (tag->getCheckState(), "empty");
    EXPECT_EQ (tagAt (0, 2)->getCheckState(), "empty");
}

TEST_F (TagTest, CheckingIsKeptByIdInTheGridAcrossReloads)
{
    auto* tag = tagAt (0, 1);
    const auto id = tag->getId();

    tag->itemSelectionChanged (true);
    EXPECT_TRUE (library->getGrid().getCheckedTags().isSelected (id));

    library->reloadTags();
    EXPECT_TRUE (tagAt (0, 1)->isChecked());

    tagAt (0, 1)->itemSelectionChanged (false);
    EXPECT_EQ (library->getGrid().getCheckedTags().getNumSelected(), 0);
}

TEST_F (TagTest, RowSelectionFollowsModifierKeys)
{
    for (int i = 0; i < 8; ++i)
        writeWav (temp / ("f" + juce::String (i) + ".wav"));
    library->addFiles ({ temp.get().getFullPathName() }, {});
    auto& results = library->getResults();

    results.selectRow (2, {});
    results.selectRow (5, juce::ModifierKeys::shiftModifier);
    EXPECT_EQ (results.getSelectedRows().getTotalRange(), juce::Range<int> (2, 6));
    EXPECT_EQ (results.getSelectedItems().size(), 4);

    results.selectRow (3, juce::ModifierKeys::commandModifier);
    EXPECT_FALSE (results.getSelectedRows().contains (3));
    EXPECT_EQ (results.getSelectedItemSet().getNumSelected(), 3);

    results.selectRow (7, {});
    EXPECT_EQ (results.getSelectedIds(), juce::Array<int> ({ results.getItem (7)->getId() }));
    EXPECT_EQ (results.getCurrentItem(), results.getItem (7));
}
