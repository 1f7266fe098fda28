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

FileTagReader::FileTagReader (SQLiteConnection& connection, const juce::File& databaseFile, juce::Thread& searchThread,
                              bool filesComeNewestFirst)
    : lookup (connection, "SELECT tag FROM tags_files WHERE file = ?1"),
      file (databaseFile),
      search (searchThread),
      newestFirst (filesComeNewestFirst)
{
}

bool FileTagReader::read (juce::int64 fileId, std::vector<int>& tags)
{
    if (filesRead++ == 0)
        firstFile = fileId;

    if (walk == nullptr && shouldStartWalking (fileId))
    {
        walk = std::make_unique<LinkWalker> (file, fileId, search);
        hasNextLink = walk->next (nextLink);
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

bool FileTagReader::walkTo (juce::int64 fileId, std::vector<int>& tags)
{
    while (hasNextLink && nextLink.file >= (double) fileId)
    {
        if (nextLink.file == (double) fileId)
            tags.push_back (nextLink.tag);

        hasNextLink = walk->next (nextLink);
    }

    return hasNextLink || ! walk->hasFailed();
}
