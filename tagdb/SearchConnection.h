#pragma once

#include "SQLiteConnection.h"

// The read connection of one search. It opens an existing file only (a file deleted under a
// running search is not created again) and gives up as soon as its thread is asked to exit:
// a progress handler ends a long step, and waits for another connection's lock end too.
class SearchConnection
{
public:
    explicit SearchConnection (juce::Thread& searchThread) : thread (searchThread) {}
    ~SearchConnection();

    bool open (const juce::File& file);
    SQLiteConnection& get() noexcept { return connection; }

private:
    static int progress (void* context);
    static int busy (void* context, int attempts);

    juce::Thread& thread;
    SQLiteConnection connection;

    JUCE_DECLARE_NON_COPYABLE (SearchConnection)
};
