#include "TagGrit.h"

#include "Corvane.h"
#include "SearchQuery.h"
#include "framework/parameters/Translate.h"

#include <sqlite3.h>

TagGrit::CountUpdater::CountUpdater (TagGrit& g)
    : grid (g)
{
}

TagGrit::CountUpdater::~CountUpdater()
{
    cancelPendingUpdate();
}

void TagGrit::CountUpdater::request (bool withTotals)
{
    if (withTotals)
        totalsRequested = true;

    triggerAsyncUpdate();
}

void TagGrit::CountUpdater::handleAsyncUpdate()
{
    const auto withTotals = totalsRequested.exchange (false);

    grid.updateCounts (withTotals);
}

TagGrit::TagGrit (Corvane& owner)
    : library (owner)
{
    auto& labels = Translate::getInstance();
    cols.setDisplayName (labels.translate ("Corvane", "cols"));
    rows.setDisplayName (labels.translate ("Corvane", "rows"));
    unrated.setDisplayName (labels.translate ("Corvane", "zero"));
    qualityFilter.setDisplayName (labels.translate ("Corvane", "qualityFilter"));

    unrated.addOption (new ParameterOption ("on", nullptr, nullptr, 1.0));
    unrated.addOption (new ParameterOption ("off", nullptr, nullptr, 0.0));

    cols.addChangeListener (this);
    rows.addChangeListener (this);
    library.getTags().addChangeListener (this);
}

TagGrit::~TagGrit()
{
    library.getTags().removeChangeListener (this);
    rows.removeChangeListener (this);
    cols.removeChangeListener (this);
    masterReference.clear();
}

void TagGrit::requestCountUpdate (bool withTotals)
{
    countUpdater.request (withTotals);
}

void TagGrit::updateCounts (bool withTotals)
{
    filteredCountsPending = false;
    const auto filter = library.buildFilter (true);
    const auto tags = checkedTags.getItemArray();

    if (withTotals)
    {
        // After a change of the stored data both tables are counted again, in one pass.
        if (countSelections ({ { conditionsOf (library.buildFilter (false)), {}, &totalCounts },
                               { conditionsOf (filter), tags, &filteredCounts } }))
        {
            ++totalsUpdates;
            filteredCountsChanged();
        }

        return;
    }

    if (auto& results = library.getResults(); results.searchedFor (filter, library.getNamePattern(), tags))
    {
        if (results.copySearchCounts (filteredCounts))
        {
            filteredCountsChanged();
            return;
        }

        if (results.isThreadRunning())
        {
            filteredCountsPending = true;
            return;
        }
    }

    updateCounts (filteredCounts, tags, filter);
    filteredCountsChanged();
}

void TagGrit::searchProgressed()
{
    auto& results = library.getResults();

    if (filteredCountsPending && (results.isSearchComplete() || ! results.isThreadRunning()))
        updateCounts (false);
}

void TagGrit::filteredCountsChanged()
{
    ++filteredUpdates;
    filteredCounts.sendChangeMessage();
}

void TagGrit::updateCounts (TagCounts& counts, const juce::Array<int>& tags, const juce::String& filter)
{
    countSelections ({ { conditionsOf (filter), tags, &counts } });
}

bool TagGrit::countSelections (const std::vector<TagCounter::Selection>& selections)
{
    // A failed count leaves the previous counts.
    auto* connection = getCountConnection();
    return connection != nullptr && TagCounter::count (*connection, library.getNamePattern(), selections);
}

SQLiteConnection* TagGrit::getCountConnection()
{
    // A library moved to another file, or a file replaced under it, is opened anew.
    const auto file = library.getDatabase().getDatabaseFile();
    const auto identity = file.getFileIdentifier();

    if (countConnection == nullptr || file != countedFile || identity != countedFileIdentity)
    {
        countConnection = library.getDatabase().openConnection (SQLiteConnection::Use::byOneThread);
        countedFile = file;
        countedFileIdentity = identity;
    }

    return countConnection.get();
}

juce::Array<int> TagGrit::orderByRarity (juce::Array<int> tags) const
{
    std::stable_sort (tags.begin(), tags.end(), [this] (int a, int b)
                      {
                          const auto countA = totalCounts[a], countB = totalCounts[b];
                          return countA != countB ? countA < countB : a < b;
                      });
    return tags;
}

int TagGrit::getRows() const
{
    return juce::roundToInt (rows.getValue());
}

int TagGrit::getCols() const
{
    return juce::roundToInt (cols.getValue());
}

void TagGrit::changeListenerCallback (juce::ChangeBroadcaster*)
{
    columnLists.clear();

    for (int column = 0; column < getCols(); ++column)
        columnLists.add (new TagList (*this, column))->fill (column);

    sendChangeMessage();
}
