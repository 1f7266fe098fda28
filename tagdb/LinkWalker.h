#pragma once

#include <juce_core/juce_core.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

// Reads the links in file order on its own thread and connection, while the caller reads the
// files: a search or a count of many files then costs about as long as the longer of the two
// reads instead of both. Links are handed over in chunks through a short queue, so the walk
// never runs far ahead of its reader.
class LinkWalker : private juce::Thread
{
public:
    struct Link
    {
        // Read as a double, so that a link to a fractional file never equals a file id; links
        // to text or NULL files lie outside every walk.
        double file;
        int tag;
    };

    enum class Direction
    {
        newestFirst,
        oldestFirst
    };

    // Starts the walk over the links of the files from lowestFile to highestFile, both
    // included. A reading thread, when given, is watched: once it is asked to stop, so is the
    // walk.
    LinkWalker (const juce::File& databaseFile, Direction direction, juce::int64 lowestFile, juce::int64 highestFile,
                juce::Thread* readingThread);
    // Stops the walk and waits for its thread.
    ~LinkWalker() override;

    // The next link in walking order; false at the end of the links, when the walk failed or
    // the reading thread is asked to stop (see hasFailed).
    bool next (Link& link);
    bool hasFailed() const;

private:
    void run() override;
    bool hand (std::vector<Link>& chunk);
    bool readerStopped() const { return reader != nullptr && reader->threadShouldExit(); }

    const juce::File file;
    const Direction direction;
    const juce::int64 lowest, highest;
    juce::Thread* const reader;

    mutable std::mutex lock;
    std::condition_variable changed;
    std::deque<std::vector<Link>> ready;
    bool finished = false, failed = false;

    // The consumer's own: the chunk being read.
    std::vector<Link> current;
    size_t position = 0;

    JUCE_DECLARE_NON_COPYABLE (LinkWalker)
};
