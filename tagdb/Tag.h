#pragma once

#include "framework/object/IconSource.h"
#include "framework/object/Object.h"
#include "framework/object/SimpleNamableObject.h"

#include <juce_gui_basics/juce_gui_basics.h>

class Corvane;
class QwelHistory;
class TagGrit;

// One named cell of the tag grid: a row of `tags` with its grid column and its position in
// that column. Its tree selection stands for being checked for the search, which the grid
// keeps by tag id so that it survives reloads.
class Tag : public juce::TreeViewItem,
            public CopyableObject<Tag>,
            public juce::Timer,
            public SimpleNamableObject,
            public DraggableObject
{
public:
    // Moves a tag from one state to another and back; stores each state in its row.
    class UndoableChange : public juce::UndoableAction
    {
    public:
        UndoableChange (Tag& liveTag, const Tag& newState);
        ~UndoableChange() override;

        bool perform() override;
        bool undo() override;
        int getSizeInUnits() override { return 10; }

    private:
        void apply (const Tag& state);

        juce::WeakReference<Tag> live;
        std::unique_ptr<Tag> before, after;
    };

    Tag (Corvane* library, int id, int column, const juce::String& name, int sort);
    Tag (const Tag& other);
    ~Tag() override;

    Tag* createCopy() const override { return new Tag (*this); }

    int getId() const noexcept { return id; }
    int getColumn() const noexcept { return column; }
    int getSort() const noexcept { return sort; }
    void setColumn (int newColumn) noexcept { column = newColumn; }
    void setSort (int newSort) noexcept { sort = newSort; }
    Corvane* getLibrary() const noexcept { return library; }

    void assign (const Tag& other);
    // Writes name, column and sort to the tag's row; answers true when it reached the file.
    bool store() const;

    bool isChecked() const;
    void itemSelectionChanged (bool isNowSelected) override;

    int getCount() const;
    int getTotalCount() const;
    // "checked", "semiChecked" or "empty" with respect to the selected result items.
    juce::String getCheckState() const;
    void toggleOnSelection();

    juce::String getIconName() const override { return "tag"; }
    juce::String getName() const override { return SimpleNamableObject::getName(); }

    bool mightContainSubItems() override { return getNumSubItems() > 0; }
    int getItemHeight() const override;
    void timerCallback() override {}

    // The two commands of the tag list, each one undo transaction of the history (performed
    // at once when there is none). A flip exchanges the two tags' places in the grid.
    static void renameWithUndo (Tag& tag, const juce::String& newName, QwelHistory* history);
    static void flipWithUndo (Tag& target, Tag& dropped, QwelHistory* history);

private:
    Corvane* library;
    TagGrit* grid;
    int id, column, sort;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Tag)
};
