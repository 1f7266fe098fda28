#pragma once

#include "FileEntry.h"
#include "Results.h"
#include "SQLLiteDB.h"
#include "SQLLiteDBClient.h"
#include "TagCollection.h"
#include "TagGrit.h"
#include "TypeFilter.h"
#include "framework/object/PropertySource.h"
#include "framework/object/SimpleNamableObject.h"
#include "framework/object/XmlAble.h"
#include "framework/parameters/DBParameter.h"
#include "framework/parameters/OnOffParameter.h"
#include "shell/layout/LayoutStore.h"

#include <atomic>
#include <functional>
#include <memory>

class BackgroundFileAdder;

// The library: one SQLite file of audio files, tags and links, with the tag collection, the
// tag grid, the result list and the file types. Every store operation runs on the message
// thread; the file may be shared with other instances, whose locks are waited for. It wires
// the filters to the search: every change of a filter restarts the search and refreshes the
// filtered tag counts, every change of the stored data the totals too.
class Corvane : public juce::ChangeListener,
                public virtual juce::ChangeBroadcaster,
                public SQLLiteDBClient,
                public virtual XmlAble,
                public PropertySource,
                public Parameter::Listener,
                public LayoutStore
{
public:
    // Told on the message thread how far a bulk add has come, from 0 to 1. A background add
    // tells only its start and end; getAddProgress() follows it in between.
    class AddProgressListener
    {
    public:
        virtual ~AddProgressListener() = default;
        virtual void addFilesProgressed (Corvane& library, double progress) = 0;
    };

    // Where the time of the last bulk add went, in milliseconds.
    struct AddFilesTimes
    {
        double walk = 0, detect = 0, insert = 0, link = 0;
        int found = 0;
    };

    // A database file that does not exist as a file stands for the default database.
    explicit Corvane (const juce::File& databaseFile = {}, const juce::File& defaultTagsFile = getDefaultTagsFile());
    ~Corvane() override;

    static juce::File getDefaultDatabaseFile();
    static juce::File getDefaultTagsFile();

    // Opens the file, creating it and any table that is missing or has other columns.
    bool openDatabase (const juce::File& file);
    // Switches to another file without testing its tables; the current file stays on failure.
    bool changeDatabaseFile (const juce::File& file);

    // Adds files and every audio file below folders, linked to the given tags (or to the
    // checked tags when none are given); the result list then holds exactly these files, all
    // selected. Answers false when the library could not be written.
    bool addFiles (const juce::StringArray& paths, juce::Array<int> tagIds);
    // The same without blocking the message thread: the walk and the writes run on a worker
    // thread, getAddProgress() follows them, and the result list is filled when they are done,
    // followed by onDone with the outcome. Answers false while another background add runs.
    bool addFilesInBackground (const juce::StringArray& paths, juce::Array<int> tagIds,
                               std::function<void (bool)> onDone = {});
    bool isAddingInBackground() const noexcept { return backgroundAdder != nullptr; }
    // Fills the result list with freshly added files, all selected; takes the items over.
    void showAddedFiles (juce::OwnedArray<TaggedItem>& items, const AddFilesTimes& times);
    void finishBackgroundAdd (juce::OwnedArray<TaggedItem>& items, const AddFilesTimes& times, bool succeeded);
    void addFileWithTags (const juce::String& name, const juce::String& type, const juce::String& path,
                          const juce::Array<int>& tagIds);
    bool setQuality (const juce::Array<TaggedItem*>& items, double newRating);
    bool addTagToFiles (const juce::Array<int>& fileIds, int tagId);
    bool removeTagFromFiles (const juce::Array<int>& fileIds, int tagId);
    // Marks rows deleted (or present again); their links stay.
    bool markDeleted (const juce::Array<int>& fileIds, bool deleted);
    void removeOrphanLinks();
    static juce::String escapeQuotes (const juce::String& text);
    // A rating as statement text: at most six significant digits, no trailing zeros.
    static juce::String formatRating (double rating);

    void collectFiles (const juce::File& file, juce::Array<FileEntry>& entries);
    juce::Array<int> insertFiles (const juce::Array<FileEntry>& entries, const juce::Array<int>& tagIds);
    bool linkTags (const juce::Array<int>& fileIds, const juce::Array<int>& tagIds);

    // Creates the tags named in the text (several separated by ";") at one place; an empty
    // text asks the user first, without blocking, and onAdded runs once tags were made.
    void addTag (const juce::String& text, int column, int sort, std::function<void()> onAdded = {});
    // Creates the tags without asking; an empty piece is a tag named "unnamed".
    void createTags (const juce::String& text, int column, int sort);
    void reloadTags();

    // Takes ownership of the descriptor.
    void registerFileType (TaggedItemTypeDescriptor* descriptor, TaggedItemHandler* handler);
    void registerFileTypes();
    juce::StringArray getEnabledTypes() const;
    juce::String detectType (const juce::File& file) const;
    TypeFilter* getTypeFilter (const juce::String& typeName) const;
    const juce::OwnedArray<TypeFilter>& getTypeFilters() const noexcept { return typeFilters; }

    virtual TaggedItemHandler* getPreviewHandler() { return nullptr; }
    virtual void stopPreview() {}
    // The preview player's volume, saved with the library's settings.
    virtual Parameter& getPreviewVolume() { return previewVolume; }

    // The conditions and the ordering of the search (see SearchQuery.h); full adds the name,
    // the rating filter and random. A name condition refers to parameter ?1.
    juce::String buildFilter (bool full);
    // The search text as a LIKE pattern that matches it literally anywhere in a name.
    juce::String getNamePattern() const;
    static juce::String escapeLike (const juce::String& text);

    // Sets the rating control to the current result's rating and previews it, when listen is on.
    void selectionChanged();
    // Offers a copy of the item to the handler of its type, unless Alt is held.
    void previewItem (TaggedItem& item, juce::ModifierKeys modifiers);

    Parameter& getRating() noexcept { return rating; }
    Parameter& getListen() noexcept { return listen; }
    Parameter& getRandom() noexcept { return random; }
    SimpleNamableObject& getNameFilter() noexcept { return nameFilter; }

    // Saved settings: grid rows, grid cols, the preview volume, listen and random.
    std::unique_ptr<juce::XmlElement> createXml() override;
    juce::String getXmlTag() override { return "corvane"; }
    juce::String getTypeName() const override { return "corvane"; }
    void writeAttributes (juce::XmlElement& element, int mode) override;
    void readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history) override;

    juce::String getPropertiesTitle() override { return "Corvane"; }
    juce::Array<juce::PropertyComponent*> getProperties() override;

    SQLLiteDB& getDatabase() noexcept { return database; }
    Results& getResults() noexcept { return results; }
    TagCollection& getTags() noexcept { return tags; }
    TagGrit& getGrid() noexcept { return grid; }

    void addProgressListener (AddProgressListener* listener) { progressListeners.add (listener); }
    void removeProgressListener (AddProgressListener* listener) { progressListeners.remove (listener); }
    // The progress of a running bulk add from 0 to 1, or -1 when none runs; any thread.
    double getAddProgress() const noexcept { return addProgress.load(); }
    const AddFilesTimes& getLastAddFilesTimes() const noexcept { return lastAddTimes; }

    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void parameterChanged (Parameter* parameter) override;

private:
    bool ensureTable (const juce::String& check, const juce::String& drop, const juce::String& create);
    bool fillDefaultTags();
    bool runForEachId (const juce::String& sql, const juce::Array<int>& fileIds);
    void reportProgress (double progress);
    void filterChanged();
    void listenToFilters (bool shouldListen);
    juce::Array<Parameter*> getSavedParameters();

    SQLLiteDB database;
    DBParameter previewVolume { "vol", -48.0, 12.0, -6.0 };
    Results results { *this };
    TagCollection tags;
    TagGrit grid { *this };
    SimpleParameter rating { "quality", 0.0, 1.0, 0.0 };
    OnOffParameter listen { "listen", true };
    OnOffParameter random { "random", false };
    SimpleNamableObject nameFilter;
    int handledSelection = 0;
    juce::OwnedArray<TypeFilter> typeFilters;
    juce::HashMap<juce::String, TypeFilter*> typeFilterMap;
    juce::File defaultTagsFile;

    juce::ListenerList<AddProgressListener> progressListeners;
    std::atomic<double> addProgress { -1.0 };
    AddFilesTimes lastAddTimes;
    std::unique_ptr<BackgroundFileAdder> backgroundAdder;
    std::function<void (bool)> onBackgroundAddDone;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Corvane)
    JUCE_DECLARE_NON_COPYABLE (Corvane)
};
