#include "shell/processor/QwelStudioFrame.h"

#include <gtest/gtest.h>

TEST (FrameEditor, OpensAtTheStoredSizeAndRecordsResizes)
{
    std::unique_ptr<QwelStudioFrame> frame (dynamic_cast<QwelStudioFrame*> (createPluginFilter()));
    frame->setGuiSize (640, 480);

    std::unique_ptr<juce::AudioProcessorEditor> editor (frame->createEditor());
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getWidth(), 640);
    EXPECT_EQ (editor->getHeight(), 480);

    editor->setSize (700, 300);
    EXPECT_EQ (frame->getGuiWidth(), 700);
    EXPECT_EQ (frame->getGuiHeight(), 300);

    // While fullscreen, the editor's size is not recorded.
    frame->setFullscreen (true);
    editor->setSize (1000, 800);
    EXPECT_EQ (frame->getGuiWidth(), 700);
}
