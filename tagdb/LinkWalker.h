#pragma once

#include <juce_core/juce_core.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

// Reads the links of the files at and below one file, newest file first, on its own thread and
// connection, while the search reads its files: a long list then costs about as long as the
// longer of the two reads instead of both. Links are handed over in chunks through a short
// queue, so the walk never runs far ahead of the search.
class LinkWalker : private juce::Thread
{
public:
    struct Link
    {
        // Read as a double, so that a link to a fractional file never equals a file id; links
        // to text or NULL files lie outside the walk.
        double file;
        int tag;
    };

    // Starts the walk. The search thread is watched: once it is asked to stop, so is the walk.
    LinkWalker (const juce::File& databaseFile, juce::int64 fromFile, juce::Thread& searchThread);
    // Stops the walk and waits for its thread.
    ~LinkWalker() override;

    // The next link in walking order; false at the end of the links, when the walk failed or
    // the search is asked to stop (see hasFailed).
    bool next (Link& link);
    bool hasFailed() const;

private:
    void run() override;
    bool hand (std::vector<Link>& chunk);
    bool shouldStop() const { return threadShouldExit() || search.threadShouldExit(); }

    const juce::File file;
    const juce::int64 from;
    juce::Thread& search;

    mutable std::mutex lock;
    std::condition_variable changed;
    std::deque<std::vector<Link>> ready;
    bool finished = false, failed = false;

    // The consumer's own: the chunk being read.
    std::vector<Link> current;
    size_t position = 0;

    JUCE_DECLARE_NON_COPYABLE (LinkWalker)
};
