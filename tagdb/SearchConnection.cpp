#include "SearchConnection.h"

#include <sqlite3.h>

namespace
{
// How many virtual machine steps pass between two looks at the exit flag: well under a
// millisecond of work.
constexpr int stepsPerCheck = 1000;
constexpr int busyPauseMs = 2;
constexpr int busyAttempts = 5000;
} // namespace

SearchConnection::~SearchConnection()
{
    if (auto* handle = connection.get())
    {
        sqlite3_progress_handler (handle, 0, nullptr, nullptr);
        sqlite3_busy_handler (handle, nullptr, nullptr);
    }
}

bool SearchConnection::open (const juce::File& file)
{
    // A file deleted under the search is not created again.
    if (! connection.open (file, 0, SQLiteConnection::Use::byOneThread, SQLiteConnection::Missing::fail))
        return false;

    sqlite3_progress_handler (connection.get(), stepsPerCheck, progress, &thread);
    sqlite3_busy_handler (connection.get(), busy, &thread);
    return true;
}

int SearchConnection::progress (void* context)
{
    return static_cast<juce::Thread*> (context)->threadShouldExit() ? 1 : 0;
}

int SearchConnection::busy (void* context, int attempts)
{
    auto* thread = static_cast<juce::Thread*> (context);

    if (thread->threadShouldExit() || attempts >= busyAttempts)
        return 0;

    juce::Thread::sleep (busyPauseMs);
    return 1;
}
