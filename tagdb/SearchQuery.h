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

// The same files as buildQuery, one row each: id, its tag ids joined with ",", (NULL without
// tags), rating and type, in the filter's order. The tags are looked up rarest first, so
// callers pass them in that order.
juce::String buildItemQuery (const juce::Array<int>& tags, const juce::String& filter);
// The same counts as buildCountQuery, with 0 standing for the files without tags.
juce::String buildTagCountQuery (const juce::Array<int>& tags, const juce::String& filter);

// Splits a filter text into its conditions and its " ORDER BY ..." clause.
juce::String conditionsOf (const juce::String& filter);
juce::String orderingOf (const juce::String& filter);
