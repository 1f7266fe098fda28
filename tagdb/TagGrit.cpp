#include "TagGrit.h"

#include "Corvane.h"

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

void TagGrit::updateCounts (bool)
{
    filteredCounts.sendChangeMessage();
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
