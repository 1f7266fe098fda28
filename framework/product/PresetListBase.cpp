#include "PresetListBase.h"
#include "framework/folders/DataFolders.h"

#include "framework/look/SVGIcon.h"
#include "shell/history/QwelHistory.h"

namespace
{
// Preset files are small; anything far larger is some other file under a preset's name and
// is not read into memory.
constexpr juce::int64 maxPresetFileSize = 8 * 1024 * 1024;

std::unique_ptr<juce::XmlElement> readXmlFile (const juce::File& file)
{
    if (! file.existsAsFile() || file.getSize() > maxPresetFileSize)
        return nullptr;

    return juce::XmlDocument::parse (file);
}

bool looksNumeric (const juce::String& text)
{
    return text.isNotEmpty() && text.containsOnly ("0123456789+-.") && text.containsAnyOf ("0123456789");
}

bool valuesEqual (const juce::String& a, const juce::String& b)
{
    if (looksNumeric (a) && looksNumeric (b))
    {
        const auto x = std::round (a.getDoubleValue() * 1.0e9);
        const auto y = std::round (b.getDoubleValue() * 1.0e9);

        if (std::isfinite (x) && std::isfinite (y))
            return x == y;
    }

    return a == b;
}

juce::XmlElement::TextFormat presetFormat()
{
    juce::XmlElement::TextFormat format;
    format.customEncoding = "UTF-8";
    format.lineWrapLength = 60;
    return format;
}
} // namespace

PresetListBase::PresetListBase (const juce::String& presetType, const juce::String& folder, const juce::String& subfolder)
    : type (presetType),
      folderName (folder),
      subfolderName (subfolder)
{
}

PresetListBase::~PresetListBase() = default;

juce::File PresetListBase::getFactoryFolder() const
{
    return DataFolders::commonApplicationData()
        .getChildFile ("Qwel").getChildFile (folderName).getChildFile (subfolderName);
}

juce::File PresetListBase::getUserFolder() const
{
    return DataFolders::userApplicationData()
        .getChildFile ("Qwel").getChildFile (folderName).getChildFile (subfolderName);
}

juce::String PresetListBase::getCurrentFile()
{
    if (currentFile.isEmpty())
    {
        const auto init = getFactoryFolder().getChildFile ("init.xml");

        if (init.existsAsFile())
            currentFile = init.getFullPathName();
    }

    return currentFile;
}

juce::String PresetListBase::getCurrentName() const
{
    return currentPreset != nullptr ? currentPreset->getName() : juce::String ("(select preset)");
}

bool PresetListBase::isPresetFile (const juce::File& file) const
{
    const auto root = readXmlFile (file);

    return root != nullptr
           && (root->getStringAttribute ("type").equalsIgnoreCase (type) || root->getTagName().equalsIgnoreCase (type));
}

std::unique_ptr<Preset> PresetListBase::loadPresetFile (const juce::String& path) const
{
    if (! juce::File::isAbsolutePath (path))
        return nullptr;

    const juce::File file (path);
    const auto root = readXmlFile (file);

    if (root == nullptr
        || ! (root->getStringAttribute ("type").equalsIgnoreCase (type) || root->getTagName().equalsIgnoreCase (type)))
        return nullptr;

    return std::make_unique<Preset> (*root, file);
}

bool PresetListBase::applyPreset (std::unique_ptr<Preset> preset, QwelHistory* history)
{
    if (preset == nullptr)
        return false;

    currentPreset = std::move (preset);
    currentFile = currentPreset->getFile() != juce::File() ? currentPreset->getFile().getFullPathName() : juce::String();
    modifiedState = -1;
    bool succeeded = true;

    try
    {
        for (int i = listeners.size(); --i >= 0;)
            if (auto* listener = listeners[i]; listener != nullptr && listener->acceptsPresets())
                listener->presetLoaded (this, *currentPreset, history);
    }
    catch (...)
    {
        succeeded = false;
    }

    modifiedState = -1;
    sendChangeMessage();
    return succeeded;
}

void PresetListBase::savePreset()
{
    if (getSource() == nullptr)
        return;

    const auto current = juce::File::isAbsolutePath (currentFile) ? juce::File (currentFile) : juce::File();
    const auto start = current.existsAsFile() ? current : getUserFolder();
    getUserFolder().createDirectory();

    chooser = std::make_unique<juce::FileChooser> ("save preset", start, "*.xml");
    juce::WeakReference<PresetListBase> self (this);

    chooser->launchAsync (juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles
                              | juce::FileBrowserComponent::warnAboutOverwriting,
                          [self] (const juce::FileChooser& fc)
                          {
                              const auto chosen = fc.getResult();

                              if (self == nullptr || chosen == juce::File())
                                  return;

                              const auto target = chosen.hasFileExtension (".xml") ? chosen : chosen.getSiblingFile (chosen.getFileName() + ".xml");

                              // The chooser only warned about the name typed; the file actually
                              // written is asked about too, so no preset is replaced unasked.
                              if (target != chosen && target.existsAsFile())
                              {
                                  auto options = juce::MessageBoxOptions()
                                                     .withIconType (juce::MessageBoxIconType::QuestionIcon)
                                                     .withTitle ("save preset")
                                                     .withMessage (target.getFileName() + " exists already. Replace it?")
                                                     .withButton ("replace")
                                                     .withButton ("cancel");
                                  juce::AlertWindow::showAsync (options, [self, target] (int result)
                                  {
                                      if (self != nullptr && result == 1)
                                          self->savePresetTo (target);
                                  });
                                  return;
                              }

                              self->savePresetTo (target);
                          });
}

bool PresetListBase::savePresetTo (const juce::File& chosenFile)
{
    auto* presetSource = getSource();

    if (presetSource == nullptr || chosenFile == juce::File())
        return false;

    const auto file = chosenFile.hasFileExtension (".xml") ? chosenFile : chosenFile.getSiblingFile (chosenFile.getFileName() + ".xml");
    std::unique_ptr<Preset> preset (presetSource->createPreset());

    if (preset == nullptr)
        return false;

    preset->setAttribute ("name", file.getFileNameWithoutExtension());

    if (! file.getParentDirectory().createDirectory() || ! preset->writeTo (file, presetFormat()))
        return false;

    preset->setFile (file);
    currentPreset = std::move (preset);
    currentFile = file.getFullPathName();
    modifiedState = -1;
    sendChangeMessage();
    return true;
}

void PresetListBase::takeSnapshot()
{
    auto* presetSource = getSource();

    if (presetSource == nullptr)
        return;

    if (auto* preset = presetSource->createPreset())
    {
        preset->setAttribute ("time", juce::Time::getCurrentTime().toString (false, true, true, false));
        snapshots.add (preset);
        sendChangeMessage();
    }
}

bool PresetListBase::isModified()
{
    if (modifiedState >= 0)
        return modifiedState == 1;

    const auto path = getCurrentFile();
    bool modified = true;

    if (getSource() != nullptr && juce::File::isAbsolutePath (path) && juce::File (path).existsAsFile())
    {
        auto state = createCurrentState();
        auto saved = readXmlFile (juce::File (path));

        if (state != nullptr && saved != nullptr)
        {
            // A saved file carries its name, which the state never does; left in, every
            // preset would count as modified the moment it was saved.
            for (auto* attribute : { "version", "name" })
            {
                state->removeAttribute (attribute);
                saved->removeAttribute (attribute);
            }

            modified = ! presetsEqual (*state, *saved);
        }
    }

    modifiedState = modified ? 1 : 0;
    return modified;
}

bool PresetListBase::presetsEqual (const juce::XmlElement& a, const juce::XmlElement& b)
{
    if (a.getNumAttributes() != b.getNumAttributes() || a.getNumChildElements() != b.getNumChildElements())
        return false;

    for (int i = 0; i < a.getNumAttributes(); ++i)
    {
        const auto name = a.getAttributeName (i);

        if (name == "id" || name == "refid")
            continue;

        if (! b.hasAttribute (name) || ! valuesEqual (a.getAttributeValue (i), b.getStringAttribute (name)))
            return false;
    }

    for (int i = 0; i < a.getNumChildElements(); ++i)
        if (! presetsEqual (*a.getChildElement (i), *b.getChildElement (i)))
            return false;

    return true;
}

juce::Array<juce::File> PresetListBase::sortedChildren (const juce::File& folder, int whatToFind)
{
    auto children = folder.findChildFiles (whatToFind, false);

    struct ByName
    {
        static int compareElements (const juce::File& x, const juce::File& y)
        {
            return x.getFileName().compareNatural (y.getFileName());
        }
    } byName;
    children.sort (byName);
    return children;
}

void PresetListBase::collectPaths (const juce::File& folder, juce::StringArray& paths, const PresetListBase& list)
{
    if (! folder.isDirectory())
        return;

    for (auto& sub : sortedChildren (folder, juce::File::findDirectories))
        collectPaths (sub, paths, list);

    for (auto& file : sortedChildren (folder, juce::File::findFiles))
        if (file.hasFileExtension (".xml") && list.isPresetFile (file))
            paths.add (file.getFullPathName());
}

juce::StringArray PresetListBase::getAllPresetPaths() const
{
    juce::StringArray paths;
    collectPaths (getUserFolder(), paths, *this);
    collectPaths (getFactoryFolder(), paths, *this);
    return paths;
}

void PresetListBase::addFolderToMenu (juce::PopupMenu& menu, const juce::File& folder, juce::StringArray& paths, int firstId)
{
    if (! folder.isDirectory())
        return;

    for (auto& sub : sortedChildren (folder, juce::File::findDirectories))
    {
        juce::PopupMenu subMenu;
        addFolderToMenu (subMenu, sub, paths, firstId);

        if (subMenu.getNumItems() > 0)
            menu.addSubMenu (sub.getFileName(), subMenu);
    }

    const auto current = getCurrentFile();

    for (auto& file : sortedChildren (folder, juce::File::findFiles))
    {
        if (! file.hasFileExtension (".xml"))
            continue;

        const auto root = readXmlFile (file);

        if (root == nullptr
            || ! (root->getStringAttribute ("type").equalsIgnoreCase (type) || root->getTagName().equalsIgnoreCase (type)))
            continue;

        juce::PopupMenu::Item item (root->getStringAttribute ("name", file.getFileNameWithoutExtension()));
        item.itemID = firstId + paths.size();

        if (file.getFullPathName() == current)
            item.image = SVGIcon::getInstance()->getIcon (isModified() ? "semiChecked" : "checked", true);

        paths.add (file.getFullPathName());
        menu.addItem (std::move (item));
    }
}

void PresetListBase::buildMenu (juce::PopupMenu& menu, int firstId)
{
    // Parameters may have moved since the last look; the mark is worked out afresh.
    modifiedState = -1;
    juce::StringArray paths;

    juce::PopupMenu user, factory;
    addFolderToMenu (user, getUserFolder(), paths, firstId);
    addFolderToMenu (factory, getFactoryFolder(), paths, firstId);

    menu.addSubMenu ("user", user, user.getNumItems() > 0, SVGIcon::getInstance()->getIcon ("user"));
    menu.addSubMenu ("factory", factory, factory.getNumItems() > 0, SVGIcon::getInstance()->getIcon ("logo"));
}

void PresetListBase::choosePreset (QwelHistory* history, juce::Component* target)
{
    juce::PopupMenu menu;
    buildMenu (menu, menuFirstId);

    juce::WeakReference<PresetListBase> self (this);
    juce::WeakReference<QwelHistory> weakHistory (history);
    auto options = juce::PopupMenu::Options();

    if (target != nullptr)
        options = options.withTargetComponent (target);

    menu.showMenuAsync (options, [self, weakHistory] (int result)
    {
        if (self != nullptr)
            self->presetChosen (result, menuFirstId, weakHistory.get());
    });
}

bool PresetListBase::presetChosen (int menuResult, int firstId, QwelHistory* history)
{
    const auto index = menuResult - firstId;
    const auto paths = getAllPresetPaths();

    if (menuResult <= 0 || ! juce::isPositiveAndBelow (index, paths.size()))
        return false;

    auto preset = loadPresetFile (paths[index]);

    // Nothing loaded means nothing was done in the transaction just begun; undoing now would
    // take back the user's previous step instead.
    if (preset == nullptr)
        return false;

    if (! applyPreset (std::move (preset), history))
    {
        if (history != nullptr && history->getNumActionsInCurrentTransaction() > 0)
            history->undoCurrentTransactionOnly();

        return false;
    }

    return true;
}

juce::String PresetListBase::previousPreset()
{
    const auto paths = getAllPresetPaths();
    const auto index = paths.indexOf (getCurrentFile());
    return index > 0 ? paths[index - 1] : juce::String();
}

juce::String PresetListBase::nextPreset()
{
    const auto paths = getAllPresetPaths();
    const auto index = paths.indexOf (getCurrentFile());
    return paths[index + 1];
}

void PresetListBase::removeListener (PresetListListener* listener)
{
    for (int i = listeners.size(); --i >= 0;)
    {
        if (listeners[i] == listener)
        {
            listeners.remove (i);
            return;
        }
    }
}

PresetSource* PresetListBase::getSource() const
{
    if (source != nullptr)
        return source;

    for (auto* listener : listeners)
        if (auto* maker = dynamic_cast<PresetSource*> (listener))
            return maker;

    return nullptr;
}

std::unique_ptr<Preset> PresetListBase::createCurrentState() const
{
    auto* presetSource = getSource();

    if (presetSource == nullptr)
        return nullptr;

    std::unique_ptr<Preset> state (presetSource->createPreset());

    if (state != nullptr && juce::File::isAbsolutePath (currentFile))
        state->setFile (juce::File (currentFile));

    return state;
}
