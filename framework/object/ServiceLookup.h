#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class QwelHistory;
class ParameterGroup;

// Components find the services of their surroundings by walking up their parents (the
// component itself excluded) to the first one that offers the service.

// The model lock of the surrounding editor, or a process-wide lock the audio thread never holds.
juce::CriticalSection& findLock (const juce::Component* component);

// The undo history of the surrounding editor, or null.
QwelHistory* findHistory (const juce::Component* component);

// Performs the action in the surrounding history; without one the action is performed once
// and deleted. Takes ownership of the action.
void performUndoable (juce::UndoableAction* action, const juce::Component* component);

// Begins a named transaction in the surrounding history, if there is one.
void beginTransaction (const juce::String& name, const juce::Component* component);

// The group that decides how parameter controls behave, or a process-wide default group.
ParameterGroup& findParameterGroup (const juce::Component* component);
