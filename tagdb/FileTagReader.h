#pragma once

#include "LinkWalker.h"
#include "SQLitePrepared.h"

#include <memory>
#include <vector>

// Reads the tag ids of the files a search lists, one file after another. A lookup per file
// costs an index search; when the files come newest first and most files are listed, one
// walk down the link index (on a thread of its own) costs less, so the reader changes to a
// walk once it sees that.
class FileTagReader
{
public:
    // The connection is the search's, on databaseFile; the search thread is the caller's.
    FileTagReader (SQLiteConnection& connection, const juce::File& databaseFile, juce::Thread& searchThread,
                   bool filesComeNewestFirst);

    // Appends the file's tag ids in ascending order. False when SQLite failed or was
    // interrupted, which ends the search.
    bool read (juce::int64 fileId, std::vector<int>& tags);

private:
    bool lookUp (juce::int64 fileId, std::vector<int>& tags);
    bool walkTo (juce::int64 fileId, std::vector<int>& tags);
    bool shouldStartWalking (juce::int64 fileId) const noexcept;

    SQLitePrepared lookup;
    const juce::File file;
    juce::Thread& search;
    std::unique_ptr<LinkWalker> walk;
    LinkWalker::Link nextLink {};
    bool hasNextLink = false;
    const bool newestFirst;
    juce::int64 firstFile = 0;
    int filesRead = 0;

    JUCE_DECLARE_NON_COPYABLE (FileTagReader)
};
