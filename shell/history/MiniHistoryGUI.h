#pragma once

#include "QwelCommandTarget.h"

class QwelHistory;

// The undo / redo strip: two buttons that name the next undo and redo step, plus a "clear"
// button that asks before it empties the history. Edits run under the model lock found for
// the strip.
class MiniHistoryGUI : public juce::Component,
                       public juce::ChangeListener,
                       public juce::Button::Listener,
                       public QwelCommandTarget
{
public:
    explicit MiniHistoryGUI (QwelHistory* history);
    ~MiniHistoryGUI() override;

    void resized() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void buttonClicked (juce::Button* button) override;

    void getCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& info) override;
    bool perform (const InvocationInfo& info) override;

    juce::TextButton& getUndoButton() noexcept { return undoButton; }
    juce::TextButton& getRedoButton() noexcept { return redoButton; }
    juce::TextButton& getClearButton() noexcept { return clearButton; }

private:
    void refresh();
    void askToClear();

    juce::TextButton undoButton, redoButton, clearButton { "clear" };
    juce::WeakReference<QwelHistory> history;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MiniHistoryGUI)
};
