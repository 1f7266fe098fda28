#pragma once

#include <juce_core/juce_core.h>

#include <unordered_map>
#include <vector>

// Counts files per tag id while rows stream past. Tag ids are small, so most counts live in
// a plain table; the rare large or negative id goes to a map.
class TagTally
{
public:
    void add (int tag)
    {
        if (tag >= 0 && (size_t) tag < small.size())
            ++small[(size_t) tag];
        else
            ++large[tag];
    }

    // Replaces the contents of counts with the tags counted at least once.
    void copyTo (juce::HashMap<int, int>& counts) const
    {
        counts.clear();
        for (size_t tag = 0; tag < small.size(); ++tag)
            if (small[tag] > 0)
                counts.set ((int) tag, small[tag]);
        for (auto& [tag, count] : large)
            counts.set (tag, count);
    }

private:
    std::vector<int> small = std::vector<int> (1024, 0);
    std::unordered_map<int, int> large;
};
