#include "TestSupport.h"
#include "shell/history/MiniHistoryGUI.h"
#include "shell/history/QwelCommandIds.h"
#include "shell/history/QwelHistory.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace
{
// An action that adds its step to a counter.
struct StepAction : juce::UndoableAction
{
    StepAction (int& total, int amount) : counter (total), step (amount) {}
    bool perform() override { counter += step; return true; }
    bool undo() override { counter -= step; return true; }
    int& counter;
    int step;
};

// A bare X server without a window manager lacks the atoms that JUCE's desktop windows set
// unchecked ("WM_PROTOCOLS" and friends) and fails with BadAtom. JUCE looks them up once, when
// it first opens the display, so they are created before main, through a connection kept open
// for the rest of the run (the server resets when its last client leaves).
void createWindowManagerAtoms()
{
    static void* display = nullptr;
    if (display != nullptr)
        return;

    auto* x11 = dlopen ("libX11.so.6", RTLD_NOW);
    if (x11 == nullptr)
        return;

    using OpenDisplay = void* (*) (const char*);
    using InternAtom = unsigned long (*) (void*, const char*, int);
    auto openDisplay = reinterpret_cast<OpenDisplay> (dlsym (x11, "XOpenDisplay"));
    auto internAtom = reinterpret_cast<InternAtom> (dlsym (x11, "XInternAtom"));
    if (openDisplay == nullptr || internAtom == nullptr || (display = openDisplay (nullptr)) == nullptr)
        return;

    for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "_NET_WM_PING", "WM_CHANGE_STATE", "WM_STATE" })
        internAtom (display, name, 0);
}

const bool windowManagerAtomsCreated = (createWindowManagerAtoms(), true);

juce::AlertWindow* findAlert()
{
    for (int i = juce::TopLevelWindow::getNumTopLevelWindows(); --i >= 0;)
        if (auto* alert = dynamic_cast<juce::AlertWindow*> (juce::TopLevelWindow::getTopLevelWindow (i)))
            return alert;

    return nullptr;
}
} // namespace

TEST (MiniHistoryGUI, EmptyHistoryDisablesBothButtons)
{
    QwelHistory history;
    MiniHistoryGUI strip (&history);

    EXPECT_FALSE (strip.getUndoButton().isEnabled());
    EXPECT_FALSE (strip.getRedoButton().isEnabled());
    EXPECT_EQ (strip.getUndoButton().getButtonText(), "undo: ");
    EXPECT_EQ (strip.getRedoButton().getButtonText(), "redo: ");
    EXPECT_EQ (strip.getUndoButton().getTooltip(), "undo the last action");
}

TEST (MiniHistoryGUI, ButtonsFollowTheHistoryAndUndoAndRedo)
{
    QwelHistory history;
    MiniHistoryGUI strip (&history);
    int counter = 0;

    history.beginNewTransaction ("rename tag");
    history.perform (new StepAction (counter, 1));
    ASSERT_TRUE (corvane::test::pumpUntil ([&] { return strip.getUndoButton().isEnabled(); }));
    EXPECT_EQ (strip.getUndoButton().getButtonText(), "undo: rename tag");

    strip.getUndoButton().triggerClick();
    ASSERT_TRUE (corvane::test::pumpUntil ([&] { return strip.getRedoButton().isEnabled(); }));
    EXPECT_EQ (counter, 0);
    EXPECT_EQ (strip.getRedoButton().getButtonText(), "redo: rename tag");
    EXPECT_FALSE (strip.getUndoButton().isEnabled());

    EXPECT_TRUE (strip.invokeDirectly (QwelCommandIds::historyRedo, false));
    EXPECT_EQ (counter, 1);
    EXPECT_TRUE (strip.invokeDirectly (QwelCommandIds::historyUndo, false));
    EXPECT_EQ (counter, 0);
    EXPECT_FALSE (strip.invokeDirectly (QwelCommandIds::save, false));
}

TEST (MiniHistoryGUI, HalvesTheStripAlongItsLongerSide)
{
    QwelHistory history;
    MiniHistoryGUI strip (&history);

    strip.setSize (300, 20);
    EXPECT_EQ (strip.getUndoButton().getBounds(), juce::Rectangle<int> (0, 0, 150, 20));
    EXPECT_EQ (strip.getRedoButton().getBounds(), juce::Rectangle<int> (150, 0, 150, 20));

    strip.setSize (20, 300);
    EXPECT_EQ (strip.getRedoButton().getBounds(), juce::Rectangle<int> (0, 0, 20, 150));
    EXPECT_EQ (strip.getUndoButton().getBounds(), juce::Rectangle<int> (0, 150, 20, 150));
}

TEST (MiniHistoryGUI, CommandInfoComesFromTheTable)
{
    QwelHistory history;
    MiniHistoryGUI strip (&history);

    juce::Array<juce::CommandID> ids;
    strip.getAllCommands (ids);
    EXPECT_EQ (ids, juce::Array<juce::CommandID> ({ 200, 201 }));

    juce::ApplicationCommandInfo info (QwelCommandIds::historyUndo);
    strip.getCommandInfo (QwelCommandIds::historyUndo, info);
    EXPECT_EQ (info.shortName, "undo");
    EXPECT_EQ (info.description, "undo last action");
    EXPECT_EQ (info.categoryName, "edit");
    EXPECT_EQ ((info.flags & juce::ApplicationCommandInfo::isDisabled), 0);
    ASSERT_EQ (info.defaultKeypresses.size(), 1);
    EXPECT_EQ (info.defaultKeypresses[0].getModifiers().getRawFlags(), juce::ModifierKeys::ctrlModifier);

    // Without a next target, other commands are inactive.
    juce::ApplicationCommandInfo other (QwelCommandIds::save);
    strip.getCommandInfo (QwelCommandIds::save, other);
    EXPECT_NE ((other.flags & juce::ApplicationCommandInfo::isDisabled), 0);
}

TEST (MiniHistoryGUI, ClearAsksFirstAndEmptiesTheHistoryOnOk)
{
    ASSERT_TRUE (windowManagerAtomsCreated);
    QwelHistory history;
    juce::Component window;
    MiniHistoryGUI strip (&history);
    window.addAndMakeVisible (strip);
    int counter = 0;

    for (auto [answer, expectUndo] : { std::pair { "Cancel", true }, { "OK", false } })
    {
        history.perform (new StepAction (counter, 1));
        strip.getClearButton().triggerClick();

        juce::AlertWindow* alert = nullptr;
        ASSERT_TRUE (corvane::test::pumpUntil ([&] { return (alert = findAlert()) != nullptr; }));
        EXPECT_EQ (alert->getName(), "clear history");

        alert->triggerButtonClick (answer);
        ASSERT_TRUE (corvane::test::pumpUntil ([&] { return findAlert() == nullptr; }));
        EXPECT_EQ (history.canUndo(), expectUndo) << answer;
    }
}
