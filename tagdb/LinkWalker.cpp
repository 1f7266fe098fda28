#include "LinkWalker.h"

#include "SQLitePrepared.h"
#include "SearchConnection.h"

#include <sqlite3.h>

namespace
{
constexpr size_t linksPerChunk = 2048;
constexpr size_t chunksAhead = 32;
constexpr auto pollInterval = std::chrono::milliseconds (5);
} // namespace

LinkWalker::LinkWalker (const juce::File& databaseFile, Direction walkDirection, juce::int64 lowestFile, juce::int64 highestFile,
                        juce::Thread* readingThread)
    : juce::Thread ("corvanelinkwalker"),
      file (databaseFile),
      direction (walkDirection),
      lowest (lowestFile),
      highest (highestFile),
      reader (readingThread)
{
    startThread();
}

LinkWalker::~LinkWalker()
{
    signalThreadShouldExit();
    changed.notify_all();
    waitForThreadToExit (-1);
}

void LinkWalker::run()
{
    SearchConnection connection (*this);
    bool ok = connection.open (file);

    if (ok)
    {
        SQLitePrepared walk (connection.get(), juce::String ("SELECT file, tag FROM tags_files WHERE file BETWEEN ?1 AND ?2 ORDER BY file")
                                                   + (direction == Direction::newestFirst ? " DESC" : ""));
        walk.bindInt (1, lowest);
        walk.bindInt (2, highest);
        std::vector<Link> chunk;
        chunk.reserve (linksPerChunk);
        int result;

        // A NULL tag reads as 0, as in a lookup.
        while ((result = walk.step()) == SQLITE_ROW)
        {
            chunk.push_back ({ walk.getDouble (0), walk.getInt (1) });

            if (chunk.size() == linksPerChunk && ! hand (chunk))
                break;
        }

        ok = result == SQLITE_DONE && hand (chunk);
    }

    const std::lock_guard<std::mutex> sl (lock);
    failed = ! ok;
    finished = true;
    changed.notify_all();
}

// Queues a chunk, waiting while the queue is full; false once the walk should stop.
bool LinkWalker::hand (std::vector<Link>& chunk)
{
    std::unique_lock<std::mutex> sl (lock);

    while (ready.size() >= chunksAhead)
    {
        if (threadShouldExit() || readerStopped())
            return false;

        changed.wait_for (sl, pollInterval);
    }

    if (! chunk.empty())
        ready.push_back (std::move (chunk));

    chunk = {};
    chunk.reserve (linksPerChunk);
    changed.notify_all();
    return ! (threadShouldExit() || readerStopped());
}

bool LinkWalker::next (Link& link)
{
    if (position < current.size())
    {
        link = current[position++];
        return true;
    }

    std::unique_lock<std::mutex> sl (lock);

    while (ready.empty())
    {
        if (finished || readerStopped())
            return false;

        changed.wait_for (sl, pollInterval);
    }

    current = std::move (ready.front());
    ready.pop_front();
    changed.notify_all();
    sl.unlock();

    position = 0;
    link = current[position++];
    return true;
}

bool LinkWalker::hasFailed() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return failed || (ready.empty() && ! finished);
}
