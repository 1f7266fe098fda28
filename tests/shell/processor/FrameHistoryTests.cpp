#include "TestSupport.h"
#include "framework/object/OwnedList.h"
#include "framework/object/SimpleNamableObject.h"
#include "framework/parameters/OnOffParameter.h"
#include "shell/history/MiniHistoryGUI.h"
#include "shell/processor/QwelStudioFrame.h"

#include <gtest/gtest.h>

namespace
{
struct CountedItem : public ListItem,
                     public SimpleNamableObject
{
    explicit CountedItem (int& deleted) : SimpleNamableObject ("item"), deletions (deleted) {}
    ~CountedItem() override { ++deletions; }
    int& deletions;
};
} // namespace

TEST (FrameHistory, RestoringAStateEmptiesHistoryAndTrashAndDisablesUndo)
{
    QwelStudioFrame frame;
    auto* history = frame.getHistory();
    MiniHistoryGUI strip (history);
    OwnedList<CountedItem> list;
    list.setHistory (history);
    int deletions = 0;

    (new CountedItem (deletions))->moveTo (&list, -1, false, nullptr);
    list.getItem (0)->remove (true, nullptr);
    ASSERT_TRUE (corvane::test::pumpUntil ([&] { return strip.getUndoButton().isEnabled(); }));

    auto state = frame.createStateXml();
    frame.restoreStateFromXml (*state);

    EXPECT_EQ (deletions, 1);
    EXPECT_FALSE (history->canUndo());
    EXPECT_TRUE (corvane::test::pumpUntil ([&] { return ! strip.getUndoButton().isEnabled(); }));
}

TEST (FrameHistory, NewSessionEmptiesTheTrash)
{
    QwelStudioFrame frame;
    OwnedList<CountedItem> list;
    list.setHistory (frame.getHistory());
    int deletions = 0;

    (new CountedItem (deletions))->moveTo (&list, -1, false, nullptr);
    list.getItem (0)->remove (true, nullptr);
    EXPECT_TRUE (frame.newSession());
    EXPECT_EQ (deletions, 1);
}

TEST (FrameHistory, HostParametersTravelInTheStateChunk)
{
    juce::MemoryBlock chunk;
    {
        QwelStudioFrame frame;
        frame.getPluginParameters().addParameter (new OnOffParameter ("listen", false));
        frame.getPluginParameters().getParameter (0)->setValue (nullptr, {}, true, 1.0);
        frame.getPluginParameters().getParameter (0)->setLocked (true);
        frame.getStateInformation (chunk);
    }

    QwelStudioFrame restored;
    auto* listen = restored.getPluginParameters().addParameter (new OnOffParameter ("listen", false));
    listen->setLocked (true);
    restored.setStateInformation (chunk.getData(), (int) chunk.getSize());

    EXPECT_EQ (listen->getText(), "on");
    EXPECT_EQ (restored.getParameterText (0), "on");
}
