#pragma once

#include <juce_events/juce_events.h>

// An object with a unique identity, written to XML as 32 lower-case hexadecimal digits.
class IdObject : public virtual juce::ChangeBroadcaster
{
public:
    IdObject() = default;
    ~IdObject() override = default;

    const juce::Uuid& getId() const noexcept { return id; }
    void setId (const juce::Uuid& newId);
    void renewId() { setId (juce::Uuid()); }

private:
    juce::Uuid id;
};
