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
        updateCounts (totalCounts, {}, library.buildFilter (false));
        ++totalsUpdates;
    }
    else if (auto& results = library.getResults(); results.searchedFor (filter, library.getNamePattern(), tags))
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

    updateCounts (filteredCounts, orderByRarity (tags), filter);
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
    auto& database = library.getDatabase();
    const juce::ScopedLock sl (database.getLock());

    juce::Array<juce::var> args;
    if (filter.contains ("?1"))
        args.add (library.getNamePattern());

    database.runQuery (buildTagCountQuery (tags, filter), args, true, nullptr);

    auto* resultRows = database.getResultSets().getFirst();
    if (resultRows == nullptr || database.getLastResultCode() != SQLITE_DONE)
        return;

    counts.clear();

    for (int i = resultRows->size(); --i >= 0;)
    {
        const auto& row = *resultRows->getUnchecked (i);
        counts.set (row[0].getIntValue(), row[1].getIntValue());
    }
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
