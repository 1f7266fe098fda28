#include "TagCounter.h"

#include "SQLitePrepared.h"
#include "TagTally.h"

#include <sqlite3.h>

#include <algorithm>
#include <limits>

namespace
{
bool carriesAll (const std::vector<int>& fileTags, const juce::Array<int>& required)
{
    for (auto tag : required)
        if (std::find (fileTags.begin(), fileTags.end(), tag) == fileTags.end())
            return false;

    return true;
}
} // namespace

bool TagCounter::count (SQLiteConnection& connection, const juce::String& namePattern, const std::vector<Selection>& selections)
{
    if (selections.empty())
        return true;

    // One row per file that any selection wants, with a flag per selection.
    juce::String flags, wanted;
    for (auto& selection : selections)
    {
        const auto condition = "(1=1" + selection.conditions + ")";
        flags << ", " << condition;
        wanted << (wanted.isEmpty() ? "" : " OR ") << condition;
    }

    SQLitePrepared files (connection, "SELECT id" + flags + " FROM data WHERE " + wanted + " ORDER BY id");
    // Only numeric files can equal a file id: the range leaves text and NULL out.
    SQLitePrepared links (connection, "SELECT file, tag FROM tags_files WHERE file BETWEEN ?1 AND ?2 ORDER BY file");
    if (! files.isValid() || ! links.isValid())
        return false;

    if (files.getParameterCount() > 0)
        files.bindText (1, namePattern);

    links.bindInt (1, std::numeric_limits<juce::int64>::min());
    links.bindInt (2, std::numeric_limits<juce::int64>::max());

    // The link cursor. The file is read as a double, so that a link to a fractional file never
    // equals a file id.
    double linkFile = 0;
    int linkResult = SQLITE_ROW;
    auto nextLink = [&]
    {
        if ((linkResult = links.step()) == SQLITE_ROW)
            linkFile = links.getDouble (0);
    };
    nextLink();

    std::vector<TagTally> tallies (selections.size());
    std::vector<int> fileTags;
    int fileResult;

    while ((fileResult = files.step()) == SQLITE_ROW)
    {
        const auto id = (double) files.getInt64 (0);
        fileTags.clear();

        while (linkResult == SQLITE_ROW && linkFile < id)
            nextLink();

        // A NULL tag reads as 0, as in the search.
        for (; linkResult == SQLITE_ROW && linkFile == id; nextLink())
            fileTags.push_back (links.getInt (1));

        for (size_t i = 0; i < selections.size(); ++i)
        {
            if (files.getInt ((int) i + 1) == 0 || ! carriesAll (fileTags, selections[i].tags))
                continue;

            if (fileTags.empty())
                tallies[i].add (0);

            for (auto tag : fileTags)
                tallies[i].add (tag);
        }
    }

    if (fileResult != SQLITE_DONE || (linkResult != SQLITE_ROW && linkResult != SQLITE_DONE))
        return false;

    for (size_t i = 0; i < selections.size(); ++i)
        if (auto* counts = selections[i].counts)
            tallies[i].copyTo (*counts);

    return true;
}
