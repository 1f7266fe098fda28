#include "QwelCommandTable.h"

#include "QwelHistory.h"

namespace
{
constexpr int ctrl = juce::ModifierKeys::ctrlModifier;
constexpr int shiftCtrl = juce::ModifierKeys::shiftModifier | juce::ModifierKeys::ctrlModifier;

void describe (juce::ApplicationCommandInfo& info, const juce::String& name, const juce::String& description,
               const juce::String& category, int keyCode, int modifiers)
{
    info.setInfo (name, description, category, 0);
    info.addDefaultKeypress (keyCode, juce::ModifierKeys (modifiers));
}

int keyCodeOf (const juce::String& description)
{
    return juce::KeyPress::createFromDescription (description).getKeyCode();
}
} // namespace

bool QwelCommandTable::fillCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& info, const QwelHistory* history)
{
    switch (id)
    {
        case QwelCommandIds::remove:
            describe (info, "remove", "removes the currently selected items", "edit", juce::KeyPress::deleteKey, 0);
            return true;
        case QwelCommandIds::selectAll:
            describe (info, "select all", "selects all items in current editor", "edit", 'a', ctrl);
            return true;
        case QwelCommandIds::save:
            describe (info, "save", "saves content of selected editor", "file", 's', ctrl);
            return true;
        case QwelCommandIds::saveAs:
            describe (info, "save as", "saves content of selected editor, always prompting for file", "file", 's', shiftCtrl);
            return true;
        case QwelCommandIds::newSession:
            describe (info, "new", "blanks the currently selected editor", "file", 'n', ctrl);
            return true;
        case QwelCommandIds::open:
            describe (info, "open", "loads content for selected editor from file", "file", 'o', ctrl);
            return true;
        case QwelCommandIds::undo:
        {
            const auto name = "undo: " + (history != nullptr ? history->getUndoDescription() : juce::String());
            describe (info, name, name, "edit", 'z', ctrl);
            info.setActive (history != nullptr && history->canUndo());
            return true;
        }
        case QwelCommandIds::redo:
        {
            const auto name = "redo: " + (history != nullptr ? history->getRedoDescription() : juce::String());
            describe (info, name, name, "edit", 'y', ctrl);
            info.setActive (history != nullptr && history->canRedo());
            return true;
        }
        case QwelCommandIds::group:
            describe (info, "group", "group selected items", "edit", 'y', ctrl);
            return true;
        case QwelCommandIds::quit:
            describe (info, "quit", "quit", "file", 'q', ctrl);
            return true;
        case QwelCommandIds::preferences:
            describe (info, "preferences", "edit preferences", "file", 'p', ctrl);
            return true;
        case QwelCommandIds::togglePlayback:
            describe (info, "toggle playback", "toggles play / pause", "transport", juce::KeyPress::spaceKey, 0);
            return true;
        case QwelCommandIds::toggleFullscreen:
            describe (info, "toggle fullscreen", "toggles fusslcreen", "view", juce::KeyPress::F1Key, 0);
            return true;
        case QwelCommandIds::historyUndo:
            describe (info, "undo", "undo last action", "edit", keyCodeOf ("CTRL + Z"), ctrl);
            info.setActive (true);
            return true;
        case QwelCommandIds::historyRedo:
            describe (info, "redo", "redo last action", "edit", keyCodeOf ("CTRL + Y"), ctrl);
            info.setActive (true);
            return true;
        default:
            return false;
    }
}
