#include "PresetListBase.h"

PresetListBase::UndoablePresetChange::UndoablePresetChange (PresetListBase& presetList, const juce::String& presetPath)
    : list (&presetList),
      path (presetPath),
      savedState (presetList.createCurrentState())
{
}

PresetListBase::UndoablePresetChange::~UndoablePresetChange() = default;

bool PresetListBase::UndoablePresetChange::perform()
{
    if (list == nullptr)
        return false;

    // The file is read once; a redo after the file was deleted applies what was read then.
    if (loaded == nullptr)
    {
        auto preset = list->loadPresetFile (path);

        if (preset == nullptr)
            return false;

        loaded = std::make_unique<juce::XmlElement> (*preset);
    }

    list->applyPreset (std::make_unique<Preset> (*loaded, juce::File (path)), nullptr);
    return true;
}

bool PresetListBase::UndoablePresetChange::undo()
{
    if (list == nullptr || savedState == nullptr)
        return false;

    list->applyPreset (std::make_unique<Preset> (*savedState, savedState->getFile()), nullptr);
    return true;
}
