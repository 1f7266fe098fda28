#include "Product.h"
#include "framework/folders/DataFolders.h"

#include "LabelTable.h"
#include "Preset.h"
#include "framework/parameters/ParameterPropertyComp.h"
#include "framework/parameters/ParameterSourceGUI.h"
#include "framework/parameters/Translate.h"
#include "shell/processor/QwelFrame.h"

Product::SafeDefaultButton::SafeDefaultButton (Product& owner)
    : juce::ButtonPropertyComponent ("save current state as default", false),
      product (&owner)
{
    refresh();
}

void Product::SafeDefaultButton::buttonClicked()
{
    if (product != nullptr)
        product->saveAsDefault();
}

Product::Product (QwelFrame& hostFrame, const juce::String& productName)
    : frame (&hostFrame)
{
    setName (productName);
    LabelTable::loadEnglish();
    helpDelay.setDisplayName ("help delay");
    helpDelay.setHelpText (Translate::getInstance().translate ("shared", "helpDelay"));
    hostFrame.setProduct (this);
}

Product::~Product() = default;

QwelFrame* Product::getFrame() const
{
    return frame.get();
}

juce::Component* Product::createParametersComponent()
{
    return new ParameterSourceGUI (*this);
}

juce::Array<juce::PropertyComponent*> Product::getProperties()
{
    return { new SafeDefaultButton (*this), new ParameterPropertyComp (&helpDelay) };
}

Preset* Product::createPreset()
{
    auto* preset = new Preset (getPresetType(), getVersion());

    if (auto* hostFrame = getFrame())
        hostFrame->getPluginParameters().savePresets (*preset, XmlAble::presetMode);

    return preset;
}

void Product::applyPreset (const juce::XmlElement& element, QwelHistory* history)
{
    if (auto* hostFrame = getFrame())
        hostFrame->getPluginParameters().loadPresets (element, XmlAble::presetMode, history);
}

void Product::presetLoaded (PresetListBase*, const juce::XmlElement& preset, QwelHistory* history)
{
    applyPreset (preset, history);
}

juce::File Product::getDefaultFile()
{
    return DataFolders::userApplicationData()
        .getChildFile ("Qwel").getChildFile (getPresetType()).getChildFile ("default.xml");
}

void Product::saveAsDefault()
{
    if (! getDefaultFile().existsAsFile())
    {
        writeDefault();
        return;
    }

    juce::PopupMenu menu;
    menu.addItem (1, "overwrite current settings?");
    juce::WeakReference<Product> self (this);
    menu.showMenuAsync (juce::PopupMenu::Options(), [self] (int result)
    {
        if (self != nullptr && result == 1)
            self->writeDefault();
    });
}

bool Product::writeDefault()
{
    auto root = createXml();

    if (root == nullptr)
        return false;

    saveToXml (*root, XmlAble::presetMode);

    juce::XmlElement::TextFormat format;
    format.customEncoding = "UTF-8";
    format.lineWrapLength = 60;
    const auto file = getDefaultFile();
    return file.getParentDirectory().createDirectory() && root->writeTo (file, format);
}

bool Product::loadDefault()
{
    const auto file = getDefaultFile();

    // A default file is small; something huge in its place is not read.
    if (! file.existsAsFile() || file.getSize() > 8 * 1024 * 1024)
        return false;

    if (auto root = juce::XmlDocument::parse (file))
    {
        loadFromXml (*root, XmlAble::presetMode, nullptr);
        return true;
    }

    return false;
}
