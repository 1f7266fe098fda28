#pragma once

#include <juce_data_structures/juce_data_structures.h>

class Parameter;

// The undo record of one user gesture on a parameter: the normalised values at its start and
// end. It never merges with other records, so one gesture is one undo step.
class ParameterChangeHistoryItem : public juce::UndoableAction
{
public:
    ParameterChangeHistoryItem (Parameter& parameter, double oldNormalized, double newNormalized);
    ~ParameterChangeHistoryItem() override;

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return 10; }
    juce::UndoableAction* createCoalescedAction (juce::UndoableAction*) override { return nullptr; }

private:
    juce::WeakReference<Parameter> parameter;
    double oldNormalized, newNormalized;

    JUCE_DECLARE_NON_COPYABLE (ParameterChangeHistoryItem)
};
