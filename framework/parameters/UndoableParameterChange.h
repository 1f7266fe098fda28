#pragma once

#include <juce_data_structures/juce_data_structures.h>

class Parameter;

// The undo record of a value applied from a preset: the plain old and new values.
class UndoableParameterChange : public juce::UndoableAction
{
public:
    // Remembers the parameter's current value as the old one.
    UndoableParameterChange (Parameter& parameter, double newValue);
    ~UndoableParameterChange() override;

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return 10; }

private:
    juce::WeakReference<Parameter> parameter;
    double oldValue, newValue;

    JUCE_DECLARE_NON_COPYABLE (UndoableParameterChange)
};
