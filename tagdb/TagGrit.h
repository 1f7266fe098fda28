#pragma once

#include "TagList.h"
#include "framework/parameters/SimpleParameter.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>

class Corvane;

// The model of the tag grid: which tags are checked for the search, how many columns and
// rows show, the rating filter, and per tag the number of files that carry it.
class TagGrit : public juce::ChangeListener,
                public juce::ChangeBroadcaster
{
public:
    // Tag id to number of files.
    class TagCounts : public juce::HashMap<int, int>,
                      public juce::ChangeBroadcaster
    {
    };

    // Merges count requests that arrive before the update runs on the message thread. It is a
    // member of its grid, so it refers to it directly.
    class CountUpdater : public juce::AsyncUpdater
    {
    public:
        explicit CountUpdater (TagGrit& grid);
        ~CountUpdater() override;
        void request (bool withTotals);
        void handleAsyncUpdate() override;

    private:
        TagGrit& grid;
        std::atomic<bool> totalsRequested { false };
    };

    explicit TagGrit (Corvane& library);
    ~TagGrit() override;

    void requestCountUpdate (bool withTotals);
    // Recomputes the filtered counts, and the totals when asked.
    void updateCounts (bool withTotals);

    int getRows() const;
    int getCols() const;

    TagCounts& getFilteredCounts() noexcept { return filteredCounts; }
    TagCounts& getTotalCounts() noexcept { return totalCounts; }
    juce::SelectedItemSet<int>& getCheckedTags() noexcept { return checkedTags; }
    Parameter& getQualityFilter() noexcept { return qualityFilter; }
    Parameter& getUnratedSwitch() noexcept { return unrated; }
    Parameter& getColsParameter() noexcept { return cols; }
    Parameter& getRowsParameter() noexcept { return rows; }
    const juce::OwnedArray<TagList>& getColumnLists() const noexcept { return columnLists; }
    Corvane& getLibrary() const noexcept { return library; }

    // Rebuilds the column lists when cols, rows or the tag collection change.
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    juce::OwnedArray<TagList> columnLists;
    TagCounts filteredCounts, totalCounts;
    SimpleParameter qualityFilter { "quality", 0.0, 1.0, 0.0 };
    SimpleParameter unrated { "unrated", 0.0, 1.0, 0.0 };
    juce::SelectedItemSet<int> checkedTags;
    SimpleParameter cols { "cols", 1.0, 3.0, 2.0 };
    SimpleParameter rows { "rows", 1.0, 50.0, 15.0 };
    Corvane& library;
    CountUpdater countUpdater { *this };

    JUCE_DECLARE_WEAK_REFERENCEABLE (TagGrit)
    JUCE_DECLARE_NON_COPYABLE (TagGrit)
};
