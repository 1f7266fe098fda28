#pragma once

#include "SimpleTaggedItem.h"
#include "framework/object/FileReciever.h"

#include <juce_data_structures/juce_data_structures.h>

#include <memory>

class Corvane;

// The in-memory record of one row of `data`. It is made with its id, type and rating only and
// reads its path and name from the row the first time they are needed.
class TaggedItem : public FileReciever,
                   public SimpleTaggedItem
{
public:
    // Marks rows deleted, and present again on undo; their links stay.
    class UndoableDeleteAction : public juce::UndoableAction
    {
    public:
        UndoableDeleteAction (const juce::Array<int>& fileIds, Corvane* library);

        bool perform() override { return setDeleted (1); }
        bool undo() override { return setDeleted (0); }
        int getSizeInUnits() override { return 10; }

    private:
        bool setDeleted (int flag);

        juce::WeakReference<Corvane> library;
        juce::Array<int> ids;
    };

    // Stores a changed copy of an item (a rename, a relink) and the state before on undo.
    class UndoableChangeAction : public juce::UndoableAction
    {
    public:
        UndoableChangeAction (TaggedItem& liveItem, const TaggedItem& changed);
        ~UndoableChangeAction() override;

        bool perform() override { return apply (*after); }
        bool undo() override { return apply (*before); }
        int getSizeInUnits() override { return 10; }

    private:
        bool apply (TaggedItem& state);

        juce::WeakReference<TaggedItem> live;
        std::unique_ptr<TaggedItem> before, after;
    };

    TaggedItem (Corvane* library, int id, const juce::String& type, double rating);
    TaggedItem (const TaggedItem& other);
    ~TaggedItem() override;

    juce::File getFile() const override;
    juce::String getType() const override;
    void prepare() override;
    void stopPreview() override;
    juce::String getIconName() const override;
    TaggedItemBase* clone() const override { return new TaggedItem (*this); }

    double getQuality() const noexcept { return rating; }
    void setQuality (double newRating);

    int getId() const noexcept { return id; }
    void setId (int newId) noexcept { id = newId; }
    juce::Array<int>& getTags() noexcept { return tags; }
    const juce::Array<int>& getTags() const noexcept { return tags; }
    bool isLoaded() const noexcept { return loaded; }
    Corvane* getLibrary() const { return library.get(); }

    // Reads path, name and type from the row; false (and unloaded) when there is no row.
    bool load();
    // Writes the file and the name to the item's row, or to a new row when it has none.
    void store();
    void setFile (const juce::File& newFile) { file = newFile; }
    void receiveFile (const juce::File& newFile) override;
    // Offers a missing file to the folder list, which hands a found file back.
    void locate();
    void copyFrom (const TaggedItem& other);

private:
    juce::WeakReference<Corvane> library;
    int id = 0;
    juce::Array<int> tags;
    double rating = 0.0;
    bool loaded = false;
    bool fileChanged = false;

    JUCE_DECLARE_WEAK_REFERENCEABLE (TaggedItem)
};
