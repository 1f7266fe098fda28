#include "framework/object/ListItemFactory.h"
#include "framework/object/OwnedList.h"
#include "framework/object/SimpleNamableObject.h"
#include "shell/history/QwelHistory.h"

#include <gtest/gtest.h>

namespace
{
// An item that counts its deletions and the hooks it went through.
class TestItem : public ListItem,
                 public SimpleNamableObject
{
public:
    explicit TestItem (const juce::String& itemName, int* deleted = nullptr)
        : SimpleNamableObject (itemName), deletions (deleted) {}
    ~TestItem() override
    {
        if (deletions != nullptr)
            ++*deletions;
    }

    void trashed (bool, QwelHistory*) override { ++trashedCount; }
    void aboutToBeTrashed (QwelHistory*) override { ++aboutToBeTrashedCount; }

    int trashedCount = 0, aboutToBeTrashedCount = 0;

private:
    int* deletions;
};

using TestList = OwnedList<TestItem>;

// A list that owns nothing and keeps the base indexOf.
class PlainList : public List
{
public:
    int size() const override { return items.size(); }
    ListItem* getItem (int index) const override { return items[index]; }
    void removeItem (ListItem* item) override { items.removeFirstMatchingValue (item); }
    void insertItem (ListItem* item, int index) override { items.insert (index, item); }

private:
    juce::Array<ListItem*> items;
};

juce::StringArray namesOf (const List& list)
{
    juce::StringArray names;
    for (int i = 0; i < list.size(); ++i)
        names.add (list.getItem (i)->getName());
    return names;
}

// Three items a, b, c in a list that records into a history.
struct ListFixture : public ::testing::Test
{
    ListFixture()
    {
        list.setHistory (&history);
        for (auto name : { "a", "b", "c" })
            (new TestItem (name, &deletions))->moveTo (&list, -1, false, nullptr);
    }

    TestItem* item (int index) { return list.getTypedItem (index); }

    int deletions = 0;
    QwelHistory history;
    TestList list;
};
} // namespace

TEST_F (ListFixture, ItemsKnowTheirListAndTakeItsHistory)
{
    EXPECT_EQ (namesOf (list), juce::StringArray ({ "a", "b", "c" }));
    EXPECT_EQ (item (1)->getList(), &list);
    EXPECT_EQ (item (1)->getHistory(), &history);
}

TEST_F (ListFixture, MovesWithinTheListAreUndoable)
{
    auto* a = item (0);
    EXPECT_TRUE (a->moveTo (&list, 2, true, nullptr));
    EXPECT_EQ (namesOf (list), juce::StringArray ({ "b", "c", "a" }));

    ASSERT_TRUE (history.undo());
    EXPECT_EQ (namesOf (list), juce::StringArray ({ "a", "b", "c" }));
    ASSERT_TRUE (history.redo());
    EXPECT_EQ (namesOf (list), juce::StringArray ({ "b", "c", "a" }));
}

TEST_F (ListFixture, MoveToTheSamePlaceChangesNothingButIsRecorded)
{
    auto* b = item (1);
    b->moveTo (&list, 1, true, nullptr);

    EXPECT_EQ (namesOf (list), juce::StringArray ({ "a", "b", "c" }));
    EXPECT_TRUE (history.canUndo());
    history.undo();
    EXPECT_EQ (namesOf (list), juce::StringArray ({ "a", "b", "c" }));
}

TEST_F (ListFixture, UndoingARemovalBringsBackTheSameObjectAtItsIndex)
{
    auto* b = item (1);
    ASSERT_TRUE (b->remove (true, nullptr));

    EXPECT_EQ (namesOf (list), juce::StringArray ({ "a", "c" }));
    EXPECT_EQ (b->getList(), &history.getTrashList());
    EXPECT_EQ (b->aboutToBeTrashedCount, 1);
    EXPECT_EQ (b->trashedCount, 1);
    EXPECT_EQ (deletions, 0);

    history.undo();
    EXPECT_EQ (item (1), b);
    EXPECT_EQ (history.getTrashList().size(), 0);

    history.redo();
    EXPECT_EQ (b->getList(), &history.getTrashList());
    EXPECT_EQ (namesOf (list), juce::StringArray ({ "a", "c" }));
}

TEST_F (ListFixture, ClearingTheHistoryDeletesTrashedItemsAndMakesActionsHarmless)
{
    item (0)->remove (true, nullptr);
    item (0)->remove (true, nullptr);
    EXPECT_EQ (history.getTrashList().size(), 2);

    history.clear();
    EXPECT_EQ (deletions, 2);
    EXPECT_EQ (history.getTrashList().size(), 0);
    EXPECT_FALSE (history.canUndo());
    EXPECT_EQ (namesOf (list), juce::StringArray ({ "c" }));
}

TEST_F (ListFixture, ActionsOfDeletedItemsDoNothing)
{
    auto* a = item (0);
    a->moveTo (&list, 2, true, nullptr);
    delete a;

    EXPECT_EQ (namesOf (list), juce::StringArray ({ "b", "c" }));
    history.undo();
    EXPECT_EQ (namesOf (list), juce::StringArray ({ "b", "c" }));
    EXPECT_FALSE (history.canUndo());
}

TEST_F (ListFixture, UndoIntoADeletedListLeavesTheItemInTheTrash)
{
    auto other = std::make_unique<TestList>();
    auto* item = new TestItem ("x", &deletions);
    item->moveTo (other.get(), -1, false, nullptr);
    item->remove (true, &history);
    other.reset();

    history.undo();
    EXPECT_EQ (item->getList(), &history.getTrashList());

    history.clear();
    EXPECT_EQ (deletions, 1);
}

TEST (ListItem, RemoveWithoutAnyHistoryDoesNothing)
{
    TestList list;
    auto* item = new TestItem ("a");
    item->moveTo (&list, -1, false, nullptr);

    EXPECT_FALSE (item->remove (true, nullptr));
    EXPECT_EQ (item->getList(), &list);
}

TEST (ListItem, InsertBeyondTheEndAppendsAndAbsentItemsAnswerPerListKind)
{
    TestList owned;
    PlainList plain;
    TestItem outsider ("outsider");

    for (auto index : { 0, 7, -1 })
        (new TestItem (juce::String (index)))->moveTo (&owned, index, false, nullptr);

    EXPECT_EQ (namesOf (owned), juce::StringArray ({ "0", "7", "-1" }));
    EXPECT_EQ (owned.indexOf (&outsider), -1);
    EXPECT_EQ (plain.indexOf (&outsider), 0);
}

TEST (ListItem, ItemsFromNoListComeFromTheTrashAndOwnedListsDeleteLastToFirst)
{
    struct Factory : ListItemFactory
    {
        ListItem* createListItem (int kind) override { return kind == 0 ? new TestItem ("new", &deletions) : nullptr; }
        int deletions = 0;
    } factory;

    QwelHistory history;
    {
        TestList list (&factory);
        auto* created = list.createNewItem (&history);
        ASSERT_NE (created, nullptr);
        EXPECT_EQ (created->getList(), &list);

        // Undoing the creation parks the new item in the trash, which owns it.
        history.undo();
        EXPECT_EQ (created->getList(), &history.getTrashList());
        history.redo();
        EXPECT_EQ (list.size(), 1);
    }

    EXPECT_EQ (factory.deletions, 1);
}
