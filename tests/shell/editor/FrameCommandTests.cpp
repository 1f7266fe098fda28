#include "TestSupport.h"
#include "framework/object/ServiceLookup.h"
#include "shell/editor/QwelFrameGUI.h"
#include "shell/history/QwelCommandIds.h"
#include "shell/processor/QwelStudioFrame.h"

#include <gtest/gtest.h>

namespace
{
struct StepAction : juce::UndoableAction
{
    explicit StepAction (int& total) : counter (total) {}
    bool perform() override { ++counter; return true; }
    bool undo() override { --counter; return true; }
    int& counter;
};

struct EditorFixture : public ::testing::Test
{
    EditorFixture() : editor (dynamic_cast<QwelFrameGUI*> (frame.createEditor())) {}
    ~EditorFixture() override { editor.reset(); }

    QwelStudioFrame frame;
    std::unique_ptr<QwelFrameGUI> editor;
    int counter = 0;
};
} // namespace

TEST_F (EditorFixture, ListsItsCommandsAndRegistersThemForMenusAndKeys)
{
    ASSERT_NE (editor, nullptr);

    juce::Array<juce::CommandID> ids;
    editor->getAllCommands (ids);
    EXPECT_EQ (ids, juce::Array<juce::CommandID> ({ 5, 6, 8, 7, 9, 10, 12, 13, 15 }));

    EXPECT_EQ (frame.getMenuBarNames(), juce::StringArray ({ "file", "edit", "view" }));
    EXPECT_EQ (frame.getMenuForIndex (2, "view").getNumItems(), 1);

    auto* keys = frame.getKeyMappings();
    const juce::KeyPress ctrlZ ('z', juce::ModifierKeys::ctrlModifier, 0);
    EXPECT_EQ (keys->findCommandForKeyPress (ctrlZ), QwelCommandIds::undo);
    EXPECT_EQ (keys->findCommandForKeyPress (juce::KeyPress ('y', juce::ModifierKeys::ctrlModifier, 0)), QwelCommandIds::redo);

    // Keys that hosts use themselves are left to the host.
    EXPECT_EQ (keys->findCommandForKeyPress (juce::KeyPress ('s', juce::ModifierKeys::ctrlModifier, 0)), 0);
    EXPECT_EQ (keys->findCommandForKeyPress (juce::KeyPress ('q', juce::ModifierKeys::ctrlModifier, 0)), 0);
    EXPECT_EQ (keys->findCommandForKeyPress (juce::KeyPress (juce::KeyPress::F1Key)), 0);

    // The table itself keeps every default key.
    juce::ApplicationCommandInfo save (QwelCommandIds::save);
    editor->getCommandInfo (QwelCommandIds::save, save);
    EXPECT_EQ (save.shortName, "save");
    EXPECT_EQ (save.description, "saves content of selected editor");
    EXPECT_EQ (save.categoryName, "file");
    ASSERT_EQ (save.defaultKeypresses.size(), 1);
    EXPECT_EQ (save.defaultKeypresses[0], juce::KeyPress ('s', juce::ModifierKeys::ctrlModifier, 0));

    // A second editor of the same frame registers again without complaint.
    editor.reset (dynamic_cast<QwelFrameGUI*> (frame.createEditor()));
    EXPECT_EQ (frame.getMenuBarNames(), juce::StringArray ({ "file", "edit", "view" }));
}

TEST_F (EditorFixture, CtrlZAndCtrlYUndoAndRedoInTheWindow)
{
    auto* history = frame.getHistory();
    history->beginNewTransaction ("step");
    history->perform (new StepAction (counter));

    juce::ApplicationCommandInfo info (QwelCommandIds::undo);
    editor->getCommandInfo (QwelCommandIds::undo, info);
    EXPECT_EQ (info.shortName, "undo: step");
    EXPECT_EQ ((info.flags & juce::ApplicationCommandInfo::isDisabled), 0);

    auto* keys = frame.getKeyMappings();
    EXPECT_TRUE (keys->keyPressed (juce::KeyPress ('z', juce::ModifierKeys::ctrlModifier, 0), editor.get()));
    EXPECT_EQ (counter, 0);
    EXPECT_TRUE (keys->keyPressed (juce::KeyPress ('y', juce::ModifierKeys::ctrlModifier, 0), editor.get()));
    EXPECT_EQ (counter, 1);

    // Nothing to redo: the key is left to the host.
    EXPECT_FALSE (keys->keyPressed (juce::KeyPress ('y', juce::ModifierKeys::ctrlModifier, 0), editor.get()));
}

TEST_F (EditorFixture, PerformsTheFrameCommands)
{
    frame.getHistory()->perform (new StepAction (counter));

    EXPECT_TRUE (frame.invokeDirectly (QwelCommandIds::toggleFullscreen, false));
    EXPECT_TRUE (frame.isFullscreen());

    EXPECT_TRUE (frame.invokeDirectly (QwelCommandIds::newSession, false));
    EXPECT_FALSE (frame.getHistory()->canUndo());

    for (auto id : { QwelCommandIds::saveAs, QwelCommandIds::open, QwelCommandIds::preferences, QwelCommandIds::save })
        EXPECT_TRUE (frame.invokeDirectly (id, false)) << id;

    // Quitting would stop the host's message loop: a plug-in leaves it inactive.
    juce::ApplicationCommandInfo quit (QwelCommandIds::quit);
    editor->getCommandInfo (QwelCommandIds::quit, quit);
    EXPECT_NE ((quit.flags & juce::ApplicationCommandInfo::isDisabled), 0);
    EXPECT_FALSE (frame.invokeDirectly (QwelCommandIds::quit, false));
}

TEST_F (EditorFixture, ComponentsInsideFindTheFramesHistoryAndLockOutsideNeither)
{
    juce::Component inside, outside;
    editor->addAndMakeVisible (inside);

    EXPECT_EQ (findHistory (&inside), frame.getHistory());
    EXPECT_EQ (&findLock (&inside), &frame.getProcessLock());

    juce::Component child;
    outside.addChildComponent (child);
    EXPECT_EQ (findHistory (&child), nullptr);
    EXPECT_NE (&findLock (&child), &frame.getProcessLock());

    performUndoable (new StepAction (counter), &child);
    EXPECT_EQ (counter, 1);
    EXPECT_FALSE (frame.getHistory()->canUndo());

    performUndoable (new StepAction (counter), &inside);
    EXPECT_EQ (counter, 2);
    EXPECT_TRUE (frame.getHistory()->canUndo());
    editor->removeChildComponent (&inside);
}
