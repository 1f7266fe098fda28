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

LinkWalker::LinkWalker (const juce::File& databaseFile, juce::int64 fromFile, juce::Thread& searchThread)
    : juce::Thread ("corvanelinkwalker"),
      file (databaseFile),
      from (fromFile),
      search (searchThread)
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
        // Text and NULL files compare above and below every number, so the bound leaves them out.
        SQLitePrepared walk (connection.get(), "SELECT file, tag FROM tags_files WHERE file <= ?1 ORDER BY file DESC");
        walk.bindInt (1, from);
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
        if (shouldStop())
            return false;

        changed.wait_for (sl, pollInterval);
    }

    if (! chunk.empty())
        ready.push_back (std::move (chunk));

    chunk = {};
    chunk.reserve (linksPerChunk);
    changed.notify_all();
    return ! shouldStop();
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
        if (finished || search.threadShouldExit())
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
