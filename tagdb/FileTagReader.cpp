#include "FileTagReader.h"

#include <sqlite3.h>

#include <algorithm>

namespace
{
// A walk reads every link below the current file, about five per file of the library; a
// lookup costs about as much as reading twenty links. Walking pays once more than a quarter
// of the files are listed; the first files always use lookups, which show the first rows
// at once.
constexpr int filesBeforeWalking = 256;
constexpr int listedShareForWalking = 4;
} // namespace

FileTagReader::FileTagReader (SQLiteConnection& db, bool filesComeNewestFirst)
    : connection (db),
      lookup (db, "SELECT tag FROM tags_files WHERE file = ?1"),
      newestFirst (filesComeNewestFirst)
{
}

bool FileTagReader::read (juce::int64 fileId, std::vector<int>& tags)
{
    if (filesRead++ == 0)
        firstFile = fileId;

    if (walk == nullptr && shouldStartWalking (fileId))
    {
        walk = std::make_unique<SQLitePrepared> (connection, "SELECT file, tag FROM tags_files WHERE file <= ?1 ORDER BY file DESC");
        walk->bindInt (1, fileId);

        if (! stepWalk())
            return false;
    }

    const auto before = tags.size();
    const auto ok = walk != nullptr ? walkTo (fileId, tags) : lookUp (fileId, tags);
    std::sort (tags.begin() + (std::ptrdiff_t) before, tags.end());
    return ok;
}

bool FileTagReader::shouldStartWalking (juce::int64 fileId) const noexcept
{
    return newestFirst && filesRead > filesBeforeWalking
           && (juce::int64) filesRead * listedShareForWalking > firstFile - fileId + 1;
}

bool FileTagReader::lookUp (juce::int64 fileId, std::vector<int>& tags)
{
    if (! lookup.isValid())
        return false;

    lookup.bindInt (1, fileId);
    int result;

    while ((result = lookup.step()) == SQLITE_ROW)
        tags.push_back (lookup.getInt (0));

    lookup.reset();
    return result == SQLITE_DONE;
}

bool FileTagReader::stepWalk()
{
    // The file is read as a double, so that a link to a fractional or text file never equals
    // a file id, with a single call per row.
    if ((walkResult = walk->step()) == SQLITE_ROW)
        walkFile = walk->getDouble (0);

    return walkResult == SQLITE_ROW || walkResult == SQLITE_DONE;
}

bool FileTagReader::walkTo (juce::int64 fileId, std::vector<int>& tags)
{
    // A NULL tag reads as 0.
    while (walkResult == SQLITE_ROW && walkFile >= (double) fileId)
    {
        if (walkFile == (double) fileId)
            tags.push_back (walk->getInt (1));

        if (! stepWalk())
            return false;
    }

    return true;
}
