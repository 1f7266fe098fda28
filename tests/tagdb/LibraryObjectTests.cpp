#include "LibraryFixture.h"
#include "tagdb/TaggedItem.h"
#include "tagdb/TaggedWAVFile.h"
#include "framework/parameters/Translate.h"

#include <functional>

namespace corvane::test
{
namespace
{
// Stands in for the preview player: keeps every item it is handed.
class FakePreview : public TaggedItemHandler
{
public:
    bool handleTaggedItem (TaggedItem* item, bool) override
    {
        items.add (item);
        return true;
    }
    bool canHandleTaggedItem (const TaggedItem&) override { return true; }

    juce::OwnedArray<TaggedItem> items;
};

class LibraryObjectTest : public LibraryTest
{
protected:
    LibraryObjectTest()
    {
        library->registerFileType (new TaggedWAVFile(), &preview);
        for (int i = 0; i < 3; ++i)
            library->addFiles ({ writeWav (temp / ("f" + juce::String (i) + ".wav")).getFullPathName() }, {});
        settle();
    }

    Results& results() { return library->getResults(); }

    // Lets the search finish and every pending message arrive.
    void settle()
    {
        pumpUntil ([this] { return ! results().isThreadRunning(); }, 10000);
        pumpUntil ([] { return false; }, 30);
    }

    // Stores ratings by row and searches again, so that the items carry them.
    void rateRows (std::initializer_list<double> ratings)
    {
        results().restartSearch();
        settle();
        int row = 0;
        for (auto rating : ratings)
            RawDatabase (dbFile).exec ("UPDATE data SET quality=" + juce::String (rating) + " WHERE id="
                                       + juce::String (results().getItem (row++)->getId()));
        results().restartSearch();
        settle();
    }

    double storedRating (int row)
    {
        return RawDatabase (dbFile).value ("SELECT quality FROM data WHERE id=" + juce::String (results().getItem (row)->getId())).getDoubleValue();
    }

    FakePreview preview;
};
} // namespace

TEST_F (LibraryObjectTest, EachFilterChangeRestartsOnceAndRefreshesOnlyTheFilteredCounts)
{
    auto& grid = library->getGrid();
    auto* wav = library->getTypeFilter ("WAV file");
    ASSERT_NE (wav, nullptr);

    const std::pair<const char*, std::function<void()>> changes[] = {
        { "search text", [&] { library->getNameFilter().setName ("f1"); } },
        { "type filter", [&] { wav->getParameter().setValue (nullptr, {}, true, 1.0); } },
        { "random", [&] { library->getRandom().setValue (nullptr, {}, true, 1.0); } },
        { "quality filter", [&] { grid.getQualityFilter().setValue (nullptr, {}, true, 0.5); } },
        { "unrated switch", [&] { grid.getUnratedSwitch().setValue (nullptr, {}, true, 1.0); } },
        { "checked tags", [&] { grid.getCheckedTags().addToSelection (1); } },
    };

    for (auto& [name, change] : changes)
    {
        SCOPED_TRACE (name);
        settle();
        const auto searches = results().getSearchCount();
        const auto filtered = grid.getFilteredUpdateCount();
        const auto totals = grid.getTotalsUpdateCount();

        change();
        settle();

        EXPECT_EQ (results().getSearchCount(), searches + 1);
        EXPECT_EQ (grid.getFilteredUpdateCount(), filtered + 1);
        EXPECT_EQ (grid.getTotalsUpdateCount(), totals);
    }
}

TEST_F (LibraryObjectTest, ListenOffLeavesRatingAndPreviewAlone)
{
    rateRows ({ 0.8 });
    library->getListen().setValue (nullptr, {}, true, 0.0);

    results().selectRow (0, {});
    settle();

    EXPECT_EQ (library->getRating().getValue(), 0.0);
    EXPECT_TRUE (preview.items.isEmpty());
}

TEST_F (LibraryObjectTest, ClickPreviewsACopyAndAltShowsTheRatingOnly)
{
    rateRows ({ 0.8, 0.4 });

    results().selectRow (0, juce::ModifierKeys::altModifier);
    settle();

    EXPECT_DOUBLE_EQ (library->getRating().getValue(), 0.8);
    EXPECT_TRUE (preview.items.isEmpty());

    results().selectRow (1, {});
    settle();
    EXPECT_DOUBLE_EQ (library->getRating().getValue(), 0.4);
    ASSERT_EQ (preview.items.size(), 1);
    EXPECT_NE (preview.items[0], results().getItem (1));
    EXPECT_EQ (preview.items[0]->getId(), results().getItem (1)->getId());

    // Rows that arrive afterwards do not preview the clicked row again.
    results().add (new TaggedItem (library.get(), 4711, "WAV file", 0.0), false);
    settle();
    EXPECT_EQ (preview.items.size(), 1);
}

TEST_F (LibraryObjectTest, ExtendingTheSelectionWritesTheShownRatingToEverySelectedRow)
{
    rateRows ({ 0.2, 0.8, 0.2 });

    results().selectRow (0, {});
    settle();
    results().selectRow (1, juce::ModifierKeys::commandModifier);
    settle();
    EXPECT_DOUBLE_EQ (storedRating (0), 0.8);
    EXPECT_DOUBLE_EQ (storedRating (1), 0.8);
    EXPECT_DOUBLE_EQ (storedRating (2), 0.2);

    results().selectRow (2, juce::ModifierKeys::shiftModifier);
    settle();
    for (int row = 0; row < 3; ++row)
        EXPECT_DOUBLE_EQ (storedRating (row), 0.2);
}

TEST_F (LibraryObjectTest, SavedStateKeepsGridListenAndRandomButNotRatingOrSearchText)
{
    auto& grid = library->getGrid();
    grid.getRowsParameter().setValue (nullptr, {}, true, 30.0);
    grid.getColsParameter().setValue (nullptr, {}, true, 3.0);
    library->getListen().setValue (nullptr, {}, true, 0.0);
    library->getRandom().setValue (nullptr, {}, true, 1.0);
    library->getRating().setValue (nullptr, {}, true, 0.6);
    library->getNameFilter().setName ("f2");
    settle();

    juce::XmlElement parent ("state");
    library->saveToXml (parent, XmlAble::stateMode);
    auto* element = parent.getChildByName ("corvane");
    ASSERT_NE (element, nullptr);
    EXPECT_EQ (element->getStringAttribute ("type"), "corvane");
    EXPECT_EQ (element->getStringAttribute ("id"), library->getId().toString());
    juce::StringArray names;
    for (auto* child : element->getChildIterator())
        names.add (child->getStringAttribute ("name"));
    EXPECT_EQ (names, juce::StringArray ({ "rows", "cols", "vol", "listen", "random" }));

    auto other = makeLibrary (temp / "other.db");
    const auto searches = other->getResults().getSearchCount();
    other->loadFromXml (parent, XmlAble::stateMode, nullptr);

    EXPECT_EQ (other->getGrid().getRows(), 30);
    EXPECT_EQ (other->getGrid().getCols(), 3);
    EXPECT_TRUE (pumpUntil ([&] { return other->getGrid().getColumnLists().size() == 3; }));
    EXPECT_FALSE (other->getListen().getValue() != 0.0);
    EXPECT_TRUE (other->getRandom().getValue() != 0.0);
    EXPECT_EQ (other->getRating().getValue(), 0.0);
    EXPECT_TRUE (other->getNameFilter().getName().isEmpty());
    EXPECT_EQ (other->getId(), library->getId());
    EXPECT_GT (other->getResults().getSearchCount(), searches);
}

TEST_F (LibraryObjectTest, LabelsPropertiesAndUndoBehaviour)
{
    auto& labels = Translate::getInstance();
    EXPECT_EQ (library->getRating().getDisplayName(), labels.translate ("Corvane", "quality"));
    EXPECT_EQ (library->getListen().getDisplayName(), labels.translate ("Corvane", "autoListen"));
    EXPECT_EQ (library->getGrid().getUnratedSwitch().getDisplayName(), labels.translate ("Corvane", "zero"));
    EXPECT_FALSE (library->getRandom().isUndoable());
    EXPECT_TRUE (library->getListen().isUndoable());

    juce::OwnedArray<juce::PropertyComponent> properties;
    properties.addArray (library->getProperties());
    ASSERT_EQ (properties.size(), 2);
}

TEST_F (LibraryObjectTest, DestructionRemovesOrphanLinks)
{
    RawDatabase (dbFile).exec ("INSERT INTO tags_files (file,tag) VALUES (99999,1)");
    library.reset();
    EXPECT_EQ (RawDatabase (dbFile).count ("SELECT count(*) FROM tags_files WHERE file=99999"), 0);
}
} // namespace corvane::test
