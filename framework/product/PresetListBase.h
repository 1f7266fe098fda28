#pragma once

#include "Preset.h"
#include "framework/object/PresetListListener.h"
#include "framework/object/PresetSource.h"

#include <juce_data_structures/juce_data_structures.h>
#include <juce_gui_basics/juce_gui_basics.h>

class QwelHistory;

// The preset files of one preset type: a factory folder in the machine's data folder and a
// user folder in the user's, a menu of both, loading, saving, stepping through them,
// snapshots of the current state, and whether that state still equals the current file.
class PresetListBase : public juce::ChangeBroadcaster
{
public:
    // Loads one preset file as one undo step; undo brings back the state from before, even
    // when the file has gone in between.
    class UndoablePresetChange : public juce::UndoableAction
    {
    public:
        UndoablePresetChange (PresetListBase& list, const juce::String& path);
        ~UndoablePresetChange() override;

        bool perform() override;
        bool undo() override;
        int getSizeInUnits() override { return 100; }

    private:
        juce::WeakReference<PresetListBase> list;
        juce::String path;
        std::unique_ptr<Preset> savedState;
        std::unique_ptr<juce::XmlElement> loaded;
    };

    // The folders are "Qwel" / folder name / subfolder name below the data folders.
    PresetListBase (const juce::String& type, const juce::String& folderName, const juce::String& subfolderName);
    ~PresetListBase() override;

    const juce::String& getType() const noexcept { return type; }
    virtual juce::File getFactoryFolder() const;
    virtual juce::File getUserFolder() const;

    // The current file; with none yet, the factory folder's "init.xml" when there is one.
    juce::String getCurrentFile();
    juce::String getCurrentName() const;
    Preset* getCurrentPreset() const noexcept { return currentPreset.get(); }

    // The file parses as XML and its root names the type by its "type" attribute or its tag.
    bool isPresetFile (const juce::File& file) const;
    // A preset of this list's type read from the file, or null.
    std::unique_ptr<Preset> loadPresetFile (const juce::String& path) const;

    // The preset becomes the current one; listeners receive it from the last to the first.
    // Answers false when a listener failed, which ends the call.
    bool applyPreset (std::unique_ptr<Preset> preset, QwelHistory* history);

    // Asks for a file with a chooser that does not block the host, then saves into it.
    void savePreset();
    // Saves the current state into the file (".xml" appended when missing); false when there
    // is no source or the file cannot be written, in which case nothing changes.
    bool savePresetTo (const juce::File& chosenFile);

    void takeSnapshot();
    int getNumSnapshots() const noexcept { return snapshots.size(); }
    Preset* getSnapshot (int index) const noexcept { return snapshots[index]; }

    // Whether the current state differs from the current file; cached until the next change.
    bool isModified();
    void setModifiedUnknown() noexcept { modifiedState = -1; }

    // Equal attributes (except "id" and "refid") and children; numbers compared to nine decimals.
    static bool presetsEqual (const juce::XmlElement& a, const juce::XmlElement& b);

    // Submenus "user" and "factory"; item ids are the first id plus the position of the file
    // in getAllPresetPaths.
    void buildMenu (juce::PopupMenu& menu, int firstId);
    // Every preset file, user folder first, in menu order.
    juce::StringArray getAllPresetPaths() const;
    // Shows the menu without blocking and applies the chosen preset in the history.
    void choosePreset (QwelHistory* history, juce::Component* target = nullptr);
    // Loads the path chosen from a menu built with the first id; false when nothing was applied.
    bool presetChosen (int menuResult, int firstId, QwelHistory* history);

    juce::String previousPreset();
    juce::String nextPreset();

    void addListener (PresetListListener* listener) { listeners.add (listener); }
    void removeListener (PresetListListener* listener);

    void setSource (PresetSource* newSource) noexcept { source = newSource; }
    // The explicit source, else the first listener that makes presets.
    PresetSource* getSource() const;
    // A preset of the current state, stamped with the current file; null without a source.
    std::unique_ptr<Preset> createCurrentState() const;

    static constexpr int menuFirstId = 1;

private:
    void addFolderToMenu (juce::PopupMenu& menu, const juce::File& folder, juce::StringArray& paths, int firstId);
    static void collectPaths (const juce::File& folder, juce::StringArray& paths, const PresetListBase& list);
    static juce::Array<juce::File> sortedChildren (const juce::File& folder, int whatToFind);

    juce::String type, folderName, subfolderName;
    std::unique_ptr<Preset> currentPreset;
    juce::String currentFile;
    PresetSource* source = nullptr;
    juce::Array<PresetListListener*> listeners;
    juce::OwnedArray<Preset> snapshots;
    int modifiedState = -1;
    std::unique_ptr<juce::FileChooser> chooser;

    JUCE_DECLARE_WEAK_REFERENCEABLE (PresetListBase)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListBase)
};
