#include "MiniHistoryGUI.h"

#include "QwelCommandIds.h"
#include "QwelCommandTable.h"
#include "QwelHistory.h"
#include "framework/object/ServiceLookup.h"

MiniHistoryGUI::MiniHistoryGUI (QwelHistory* historyToShow)
    : history (historyToShow)
{
    addCommand (QwelCommandIds::historyUndo);
    addCommand (QwelCommandIds::historyRedo);

    undoButton.setTooltip ("undo the last action");

    for (auto* button : { &undoButton, &redoButton })
    {
        addAndMakeVisible (*button);
        button->addListener (this);
    }

    // Wired, but the layout gives it no area.
    addChildComponent (clearButton);
    clearButton.addListener (this);

    if (historyToShow != nullptr)
        historyToShow->addChangeListener (this);

    refresh();
}

MiniHistoryGUI::~MiniHistoryGUI()
{
    if (auto* h = history.get())
        h->removeChangeListener (this);
}

void MiniHistoryGUI::resized()
{
    auto area = getLocalBounds();

    if (getWidth() > getHeight())
    {
        undoButton.setBounds (area.removeFromLeft (getWidth() / 2));
        redoButton.setBounds (area);
    }
    else
    {
        redoButton.setBounds (area.removeFromTop (getHeight() / 2));
        undoButton.setBounds (area);
    }
}

void MiniHistoryGUI::changeListenerCallback (juce::ChangeBroadcaster*)
{
    refresh();
}

void MiniHistoryGUI::refresh()
{
    auto* h = history.get();

    undoButton.setEnabled (h != nullptr && h->canUndo());
    undoButton.setButtonText ("undo: " + (h != nullptr ? h->getUndoDescription() : juce::String()));
    redoButton.setEnabled (h != nullptr && h->canRedo());
    redoButton.setButtonText ("redo: " + (h != nullptr ? h->getRedoDescription() : juce::String()));
}

void MiniHistoryGUI::buttonClicked (juce::Button* button)
{
    auto* h = history.get();
    if (h == nullptr)
        return;

    if (button == &clearButton)
    {
        askToClear();
        return;
    }

    const juce::ScopedLock sl (findLock (this));

    if (button == &undoButton)
        h->undo();
    else if (button == &redoButton)
        h->redo();
}

void MiniHistoryGUI::askToClear()
{
    // Asynchronous: a modal loop inside a host's message loop can freeze the host.
    auto options = juce::MessageBoxOptions()
                       .withIconType (juce::MessageBoxIconType::InfoIcon)
                       .withTitle ("clear history")
                       .withMessage ("after this you can not undo or redo anything! procceed?")
                       .withButton ("OK")
                       .withButton ("Cancel")
                       .withAssociatedComponent (this);

    juce::Component::SafePointer<MiniHistoryGUI> strip (this);

    juce::AlertWindow::showAsync (options, [strip] (int result)
    {
        if (result != 1 || strip == nullptr)
            return;

        if (auto* h = strip->history.get())
        {
            const juce::ScopedLock sl (findLock (strip.getComponent()));
            h->clear();
        }
    });
}

void MiniHistoryGUI::getCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& info)
{
    if (id == QwelCommandIds::historyUndo || id == QwelCommandIds::historyRedo)
        QwelCommandTable::fillCommandInfo (id, info, history.get());
    else
        QwelCommandTarget::getCommandInfo (id, info);
}

bool MiniHistoryGUI::perform (const InvocationInfo& info)
{
    if (info.commandID == QwelCommandIds::historyUndo)
    {
        buttonClicked (&undoButton);
        return true;
    }

    if (info.commandID == QwelCommandIds::historyRedo)
    {
        buttonClicked (&redoButton);
        return true;
    }

    return false;
}
