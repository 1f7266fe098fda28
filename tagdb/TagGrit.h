#pragma once

#include "TagCounter.h"
#include "TagList.h"
#include "framework/parameters/SteppedParameter.h"

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
    // member of its grid, so it refers to it directly; the totals are asked for only after
    // the stored data changed, since they ignore every filter but the file types.
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
    // Recomputes the filtered counts, and the totals when asked. After a filter change the
    // filtered counts are those the search of the same filter gathered while listing its
    // files, taken when it has delivered them; after a data change they are queried afresh.
    void updateCounts (bool withTotals);
    // Told when the result list announces rows; takes the counts of a finished search.
    void searchProgressed();
    // Counts the files of the filter and tags per tag; a failed count keeps the counts.
    void updateCounts (TagCounts& counts, const juce::Array<int>& tags, const juce::String& filter);
    // Counts both tables or one; false, with the tables unchanged, when counting failed.
    bool countSelections (const std::vector<TagCounter::Selection>& selections);

    // The tags ordered from the one on the fewest files to the one on the most, by the totals;
    // a search that looks up the rarest tag first narrows the files soonest.
    juce::Array<int> orderByRarity (juce::Array<int> tags) const;
    // How often the counts were recomputed, filtered and totals.
    int getFilteredUpdateCount() const noexcept { return filteredUpdates; }
    int getTotalsUpdateCount() const noexcept { return totalsUpdates; }

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
    SteppedParameter cols { "cols", 1, 3, 2, false };
    SteppedParameter rows { "rows", 1, 50, 15, false };
    Corvane& library;
    CountUpdater countUpdater { *this };
    int filteredUpdates = 0, totalsUpdates = 0;
    bool filteredCountsPending = false;
    // The counts' own connection, kept between counts (message thread only): a fresh one
    // would read the schema and map the file again every time.
    std::unique_ptr<SQLiteConnection> countConnection;
    juce::File countedFile;
    juce::uint64 countedFileIdentity = 0;

    void filteredCountsChanged();
    SQLiteConnection* getCountConnection();

    JUCE_DECLARE_WEAK_REFERENCEABLE (TagGrit)
    JUCE_DECLARE_NON_COPYABLE (TagGrit)
};
