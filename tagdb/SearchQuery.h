#pragma once

#include <juce_core/juce_core.h>

// The statements of a search. A filter text (Corvane::buildFilter) holds the conditions on
// `data` followed by the ordering; a name condition in it refers to parameter ?1, which the
// runner binds to the name pattern.

// Every (file, tag) pair of the files that match the filter and carry all the tags; a file
// without tags comes once with a NULL tag. One wrap per tag, the first tag outermost.
juce::String buildQuery (const juce::Array<int>& tags, const juce::String& filter);
// Per tag (NULL for files without tags): the number of files of buildQuery.
juce::String buildCountQuery (const juce::Array<int>& tags, const juce::String& filter);

// The same files as buildQuery, one row each: id, rating and type, in the filter's order
// (equal ratings newest first). The file's tags are read separately (FileTagReader). The
// first tag drives the search through the tag index, so callers pass the rarest tag first.
juce::String buildItemQuery (const juce::Array<int>& tags, const juce::String& filter);
// True when buildItemQuery lists the files newest first, so that their links can be read in
// one pass down the link index.
bool listsNewestFirst (const juce::String& filter);

// Splits a filter text into its conditions and its " ORDER BY ..." clause.
juce::String conditionsOf (const juce::String& filter);
juce::String orderingOf (const juce::String& filter);
