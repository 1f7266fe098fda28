#pragma once

#include "PresetListBase.h"
#include "framework/look/IconButton.h"

// The preset bar: the current preset's name, which opens the menu of presets, stepping to
// the previous and next preset, and opening and saving preset files. Every change of preset
// is one undo step; a preset file dropped onto the bar is loaded too.
class PresetListGUI : public juce::Component,
                      public juce::Button::Listener,
                      public juce::ChangeListener,
                      public juce::FileDragAndDropTarget
{
public:
    explicit PresetListGUI (PresetListBase& list);
    ~PresetListGUI() override;

    void buttonClicked (juce::Button* button) override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override { update(); }
    void resized() override;
    void paint (juce::Graphics& g) override;

    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;

    // Loads the path as one undo step in a "change preset" transaction.
    void loadPreset (const juce::String& path);

    juce::String getShownName() const { return nameButton.getButtonText(); }
    juce::Button& getPreviousButton() noexcept { return previousButton; }
    juce::Button& getNextButton() noexcept { return nextButton; }

private:
    void update();
    void openPreset();

    juce::WeakReference<PresetListBase> list;
    IconButton previousButton { "left", "previous preset" };
    IconButton nextButton { "right", "next preset" };
    juce::TextButton nameButton;
    IconButton openButton { "load", "open preset" };
    IconButton saveButton { "save", "save preset" };
    std::unique_ptr<juce::FileChooser> chooser;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListGUI)
};
