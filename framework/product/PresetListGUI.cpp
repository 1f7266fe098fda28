#include "PresetListGUI.h"

#include "framework/look/PlinthLook.h"
#include "framework/object/ServiceLookup.h"
#include "shell/history/QwelHistory.h"

PresetListGUI::PresetListGUI (PresetListBase& shown)
    : list (&shown)
{
    for (auto* button : std::initializer_list<juce::Button*> { &previousButton, &nextButton, &nameButton, &openButton, &saveButton })
    {
        button->addListener (this);
        addAndMakeVisible (button);
    }

    nameButton.setTooltip ("choose a preset");
    shown.addChangeListener (this);
    setSize (10 * PlinthLook::controlSize, PlinthLook::controlSize);
    update();
}

PresetListGUI::~PresetListGUI()
{
    if (auto* l = list.get())
        l->removeChangeListener (this);
}

void PresetListGUI::update()
{
    auto* l = list.get();

    if (l == nullptr)
        return;

    nameButton.setButtonText (l->getCurrentName() + (l->getCurrentPreset() != nullptr && l->isModified() ? " *" : ""));
}

void PresetListGUI::loadPreset (const juce::String& path)
{
    auto* l = list.get();

    if (l == nullptr || path.isEmpty())
        return;

    beginTransaction ("change preset", this);
    performUndoable (new PresetListBase::UndoablePresetChange (*l, path), this);
}

void PresetListGUI::buttonClicked (juce::Button* button)
{
    auto* l = list.get();

    if (l == nullptr)
        return;

    if (button == &previousButton)
        loadPreset (l->previousPreset());
    else if (button == &nextButton)
        loadPreset (l->nextPreset());
    else if (button == &openButton)
        openPreset();
    else if (button == &saveButton)
    {
        beginTransaction ("change preset", this);
        l->savePreset();
    }
    else if (button == &nameButton)
    {
        beginTransaction ("change preset", this);
        l->choosePreset (findHistory (this), &nameButton);
    }
}

void PresetListGUI::openPreset()
{
    auto* l = list.get();
    const auto folder = l->getUserFolder();
    chooser = std::make_unique<juce::FileChooser> ("open preset", folder.isDirectory() ? folder : juce::File(), "*.xml");
    juce::Component::SafePointer<PresetListGUI> self (this);

    chooser->launchAsync (juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
                          [self] (const juce::FileChooser& fc)
                          {
                              if (self != nullptr && fc.getResult() != juce::File())
                                  self->loadPreset (fc.getResult().getFullPathName());
                          });
}

bool PresetListGUI::isInterestedInFileDrag (const juce::StringArray& files)
{
    auto* l = list.get();

    if (l == nullptr)
        return false;

    for (auto& path : files)
        if (juce::File::isAbsolutePath (path) && l->isPresetFile (juce::File (path)))
            return true;

    return false;
}

void PresetListGUI::filesDropped (const juce::StringArray& files, int, int)
{
    auto* l = list.get();

    if (l == nullptr)
        return;

    for (auto& path : files)
    {
        if (auto preset = l->loadPresetFile (path))
        {
            beginTransaction ("load preset", this);
            l->applyPreset (std::move (preset), findHistory (this));
            return;
        }
    }
}

void PresetListGUI::resized()
{
    auto area = getLocalBounds();
    const int side = area.getHeight();
    previousButton.setBounds (area.removeFromLeft (side).reduced (2));
    nextButton.setBounds (area.removeFromLeft (side).reduced (2));
    saveButton.setBounds (area.removeFromRight (side).reduced (2));
    openButton.setBounds (area.removeFromRight (side).reduced (2));
    nameButton.setBounds (area.reduced (2, 0));
}

void PresetListGUI::paint (juce::Graphics& g)
{
    PlinthLook::fillPanel (g, getLocalBounds().toFloat());
}
