#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The command ids shared by the frame's editor, the history strip and the products.
struct QwelCommandIds
{
    enum : juce::CommandID
    {
        remove = 3,
        selectAll = 4,
        save = 5,
        saveAs = 6,
        newSession = 7,
        open = 8,
        undo = 9,
        redo = 10,
        group = 11,
        quit = 12,
        preferences = 13,
        togglePlayback = 14,
        toggleFullscreen = 15,
        historyUndo = 200,
        historyRedo = 201
    };
};
