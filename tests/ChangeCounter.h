#pragma once

#include <juce_events/juce_events.h>

namespace corvane::test
{
// Counts the change messages a broadcaster delivers.
class ChangeCounter : public juce::ChangeListener
{
public:
    explicit ChangeCounter (juce::ChangeBroadcaster& broadcaster) : source (broadcaster) { source.addChangeListener (this); }
    ~ChangeCounter() override { source.removeChangeListener (this); }

    void changeListenerCallback (juce::ChangeBroadcaster*) override { ++count; }

    // Delivers whatever is pending, then answers the count.
    int settle()
    {
        source.dispatchPendingMessages();
        return count;
    }

    int count = 0;

private:
    juce::ChangeBroadcaster& source;
};
} // namespace corvane::test
