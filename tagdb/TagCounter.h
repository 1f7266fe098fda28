#pragma once

#include "SQLiteConnection.h"

#include <vector>

// Counts, per tag, the files of a selection that carry it, with 0 standing for the files
// without tags: the answer of the count statement for the same filter. Instead of a lookup
// per file it reads the files and the links once each, both in file order, and merges them,
// so the cost stays flat (a few tens of milliseconds at a hundred thousand files) however
// many files are selected, and two selections (the totals and the filtered counts) share
// one pass.
class TagCounter
{
public:
    struct Selection
    {
        // Conditions on data as a filter text holds them (" AND deleted = 0 ..."); a name
        // condition refers to ?1.
        juce::String conditions;
        // Tags every counted file must carry.
        juce::Array<int> tags;
        // Receives the counts; left as it was when counting fails.
        juce::HashMap<int, int>* counts = nullptr;
    };

    // False when a statement failed.
    static bool count (SQLiteConnection& connection, const juce::String& namePattern, const std::vector<Selection>& selections);
};
