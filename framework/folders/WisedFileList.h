#pragma once

#include "WisedFile.h"

#include <functional>

// The machine-wide list of folders where missing files are searched, shared by every instance
// of every product of the maker through "path.xml". The file is read where it was last
// written and written where it can be: the machine's common folder when writable (on Linux it
// is /opt, which users cannot write), the user's own folder otherwise.
class WisedFileList : public juce::ListBoxModel,
                      public juce::OwnedArray<WisedFile>,
                      public juce::ReferenceCountedObject,
                      public juce::ChangeBroadcaster,
                      public juce::DeletedAtShutdown,
                      private juce::ChangeListener
{
public:
    using WritableTest = std::function<bool (const juce::File&)>;

    // The test decides whether a file can be written (or created); by default the file system does.
    WisedFileList (const juce::File& commonFile, const juce::File& userFile, WritableTest canWrite = {});
    ~WisedFileList() override;

    // The process-wide list, read when it is made and written when it is deleted at shutdown.
    static WisedFileList* getInstance();
    // Where the process-wide list keeps "path.xml"; takes effect for a list made afterwards.
    static void setDefaultFiles (const juce::File& commonFile, const juce::File& userFile);
    static juce::File getCommonPathFile();
    static juce::File getUserPathFile();

    const juce::StringArray& getPaths() const noexcept { return paths; }
    // Takes ownership; the folder's path joins the list.
    void addFile (WisedFile* folder);
    void removeFile (int index);

    bool load();
    // Answers the file written, or none when neither place could be written.
    juce::File save() const;
    juce::File getWriteTarget() const;

    int getNumRows() override { return paths.size(); }
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override;

private:
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    bool loadFrom (const juce::File& file);

    juce::StringArray paths;
    juce::File commonFile, userFile;
    WritableTest canWrite;

    JUCE_DECLARE_WEAK_REFERENCEABLE (WisedFileList)
    JUCE_DECLARE_NON_COPYABLE (WisedFileList)
};
