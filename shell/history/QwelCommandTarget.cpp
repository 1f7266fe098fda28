#include "QwelCommandTarget.h"

QwelCommandTarget::~QwelCommandTarget() = default;

juce::ApplicationCommandTarget* QwelCommandTarget::getNextCommandTarget()
{
    return findFirstTargetParentComponent();
}

void QwelCommandTarget::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray (commandIds);
}

void QwelCommandTarget::getCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& info)
{
    if (auto* next = getNextCommandTarget())
        next->getCommandInfo (id, info);
    else
        info.setActive (false);
}
