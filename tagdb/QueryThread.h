#pragma once

#include <juce_core/juce_core.h>

class SQLLiteDB;

// Executes the pending batch of its database; a synchronous batch calls run() directly.
class QueryThread : public juce::Thread
{
public:
    explicit QueryThread (SQLLiteDB& database);
    ~QueryThread() override;

    void setPendingBatch (const juce::String& sql, const juce::Array<juce::var>& args);
    void run() override;

private:
    SQLLiteDB& database;
    juce::CriticalSection pendingLock;
    juce::String pendingBatch;
    juce::Array<juce::var> pendingArgs;

    JUCE_DECLARE_NON_COPYABLE (QueryThread)
};
