#include "WisedFileList.h"
#include "framework/folders/DataFolders.h"

namespace
{
WisedFileList* instance = nullptr;

juce::File& defaultCommonFile()
{
    static juce::File file = DataFolders::commonApplicationData()
                                 .getChildFile ("Qwel")
                                 .getChildFile ("path.xml");
    return file;
}

juce::File& defaultUserFile()
{
    static juce::File file = DataFolders::userApplicationData()
                                 .getChildFile ("Qwel")
                                 .getChildFile ("path.xml");
    return file;
}

bool fileSystemAllowsWriting (const juce::File& file)
{
    if (file.existsAsFile())
        return file.hasWriteAccess();

    auto folder = file.getParentDirectory();
    while (! folder.exists() && folder != folder.getParentDirectory())
        folder = folder.getParentDirectory();

    return folder.isDirectory() && folder.hasWriteAccess();
}
} // namespace

WisedFileList::WisedFileList (const juce::File& common, const juce::File& user, WritableTest writableTest)
    : commonFile (common),
      userFile (user),
      canWrite (writableTest ? std::move (writableTest) : WritableTest (fileSystemAllowsWriting))
{
    load();
}

WisedFileList::~WisedFileList()
{
    if (instance == this)
    {
        save();
        instance = nullptr;
    }

    for (auto* folder : *this)
        folder->removeChangeListener (this);

    masterReference.clear();
}

WisedFileList* WisedFileList::getInstance()
{
    JUCE_ASSERT_MESSAGE_THREAD

    if (instance == nullptr)
        instance = new WisedFileList (defaultCommonFile(), defaultUserFile());

    return instance;
}

void WisedFileList::setDefaultFiles (const juce::File& common, const juce::File& user)
{
    defaultCommonFile() = common;
    defaultUserFile() = user;
}

juce::File WisedFileList::getCommonPathFile()
{
    return defaultCommonFile();
}

juce::File WisedFileList::getUserPathFile()
{
    return defaultUserFile();
}

void WisedFileList::addFile (WisedFile* folder)
{
    if (folder == nullptr)
        return;

    add (folder);
    paths.add (folder->getFile().getFullPathName());
    folder->addChangeListener (this);
    sendChangeMessage();
}

void WisedFileList::removeFile (int index)
{
    if (! juce::isPositiveAndBelow (index, size()))
        return;

    getUnchecked (index)->removeChangeListener (this);
    remove (index);
    paths.remove (index);
    sendChangeMessage();
}

void WisedFileList::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    for (int i = 0; i < size(); ++i)
        if (getUnchecked (i) == source)
            paths.set (i, getUnchecked (i)->getFile().getFullPathName());

    sendChangeMessage();
}

juce::File WisedFileList::getWriteTarget() const
{
    if (canWrite (commonFile))
        return commonFile;

    if (canWrite (userFile))
        return userFile;

    return {};
}

bool WisedFileList::load()
{
    // The place written last time holds the newest list; the common file is read otherwise.
    const auto target = getWriteTarget();

    if (target.existsAsFile() && loadFrom (target))
        return true;

    return loadFrom (commonFile) || loadFrom (userFile);
}

bool WisedFileList::loadFrom (const juce::File& file)
{
    if (! file.existsAsFile())
        return false;

    const auto xml = juce::parseXMLIfTagMatches (file, "paths");
    if (xml == nullptr)
        return false;

    for (auto* child : xml->getChildWithTagNameIterator ("path"))
    {
        const auto path = child->getStringAttribute ("path");

        if (juce::File::isAbsolutePath (path))
        {
            auto* folder = add (new WisedFile (juce::File (path)));
            folder->addChangeListener (this);
            paths.add (path);
        }
    }

    return true;
}

juce::File WisedFileList::save() const
{
    const auto target = getWriteTarget();
    if (target == juce::File())
        return {};

    juce::XmlElement root ("paths");
    for (auto& path : paths)
        root.createNewChildElement ("path")->setAttribute ("path", path);

    if (! target.getParentDirectory().createDirectory())
        return {};

    juce::XmlElement::TextFormat options;
    options.customEncoding = "UTF-8";
    options.lineWrapLength = 60;
    return root.writeTo (target, options) ? target : juce::File();
}

void WisedFileList::paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected)
{
    if (selected)
        g.fillAll (juce::Colours::lightblue);

    g.setColour (juce::Colours::black);
    g.drawText (paths[row], 4, 0, width - 8, height, juce::Justification::centredLeft, true);
}
