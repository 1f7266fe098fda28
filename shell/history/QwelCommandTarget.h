#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A command target that is also a component: it handles the commands it was given, in the
// order they were added, and hands everything else to the next target among its parents.
class QwelCommandTarget : public juce::ApplicationCommandTarget
{
public:
    ~QwelCommandTarget() override;

    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    // Asks the next target; with none, the command is inactive.
    void getCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& info) override;
    bool perform (const InvocationInfo& info) override = 0;

    void addCommand (juce::CommandID id) { commandIds.addIfNotAlreadyThere (id); }
    const juce::Array<juce::CommandID>& getCommandIds() const noexcept { return commandIds; }

private:
    juce::Array<juce::CommandID> commandIds;
};
