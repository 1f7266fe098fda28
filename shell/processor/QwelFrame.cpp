#include "QwelFrame.h"

#include "AudioFormatManagerEx.h"
#include "framework/product/Product.h"
#include "shell/editor/QwelFrameGUI.h"

namespace
{
// A window side only when the attribute holds a plausible whole number.
int readSize (const juce::XmlElement& xml, const char* name, int current)
{
    const auto text = xml.getStringAttribute (name).trim();
    if (text.isEmpty() || text.length() > 6 || ! text.containsOnly ("0123456789"))
        return current;

    const auto value = text.getIntValue();
    return value > 0 && value <= 32768 ? value : current;
}

bool readFlag (const juce::XmlElement& xml, const char* name, bool current)
{
    const auto text = xml.getStringAttribute (name).trim();
    if (text == "1" || text.equalsIgnoreCase ("true"))
        return true;
    if (text == "0" || text.equalsIgnoreCase ("false"))
        return false;
    return current;
}
} // namespace

QwelFrame::QwelFrame()
{
    auto& formats = AudioFormatManagerEx::getInstance();
    if (formats.getNumKnownFormats() == 0)
        formats.registerBasicFormats();

    look = PlinthLook::getInstance();
    setApplicationCommandManagerToWatch (this);

    fullscreen = false;
    guiHeight = 500;
    guiWidth = 900;
    history.clear();
}

QwelFrame::~QwelFrame()
{
    setApplicationCommandManagerToWatch (nullptr);
    product.reset();
}

const juce::String QwelFrame::getName() const
{
    if (product != nullptr)
        return product->getPresetType();

    return AudioProcessorLight::getName();
}

void QwelFrame::prepareToPlay (double sampleRate, int blockSize)
{
    if (product != nullptr)
        product->prepareToPlay (sampleRate, blockSize);
}

void QwelFrame::releaseResources()
{
    if (product != nullptr)
        product->releaseResources();
}

juce::AudioProcessorEditor* QwelFrame::createEditor()
{
    return new QwelFrameGUI (*this);
}

void QwelFrame::setProduct (Product* newProduct)
{
    if (newProduct == product.get())
        return;

    product.reset (newProduct);
}

void QwelFrame::setBypassed (bool shouldBeBypassed)
{
    bypassed = shouldBeBypassed;
    sendChangeMessage();
}

void QwelFrame::setGuiSize (int width, int height)
{
    if (fullscreen)
        return;

    guiWidth = width;
    guiHeight = height;
}

void QwelFrame::setFullscreen (bool shouldBeFullscreen)
{
    fullscreen = shouldBeFullscreen;
    sendChangeMessage();
}

std::unique_ptr<juce::XmlElement> QwelFrame::createStateXml()
{
    auto xml = std::make_unique<juce::XmlElement> (getName());

    if (auto mappings = getKeyMappings()->createXml (true))
        xml->addChildElement (mappings.release());

    xml->setAttribute ("instanceid", getId().toString());
    xml->setAttribute ("guiw", guiWidth);
    xml->setAttribute ("guih", guiHeight);
    xml->setAttribute ("bypassed", bypassed.load() ? 1 : 0);
    xml->setAttribute ("version", product != nullptr ? product->getVersion() : 0.0);

    pluginParameters.savePresets (*xml, XmlAble::stateMode);

    if (product != nullptr)
        product->writeAttributes (*xml, XmlAble::stateMode);

    return xml;
}

void QwelFrame::restoreStateFromXml (const juce::XmlElement& xml)
{
    // A chunk of another product is not ours to read.
    if (! xml.hasTagName (getName()))
        return;

    guiWidth = readSize (xml, "guiw", guiWidth);
    guiHeight = readSize (xml, "guih", guiHeight);
    bypassed = readFlag (xml, "bypassed", bypassed.load());
    sendChangeMessage();

    const auto idText = xml.getStringAttribute ("instanceid").removeCharacters ("-{}");
    if (idText.length() == 32 && idText.containsOnly ("0123456789abcdefABCDEF"))
        setId (juce::Uuid (idText));

    suspendProcessing (true);

    if (auto* mappings = xml.getFirstChildElement())
        if (mappings->hasTagName ("KEYMAPPINGS"))
            getKeyMappings()->restoreFromXml (*mappings);

    pluginParameters.loadPresets (xml, XmlAble::stateMode, nullptr);

    if (product != nullptr)
        product->readAttributes (xml, XmlAble::stateMode, nullptr);

    suspendProcessing (false);

    history.clear();
    sendChangeMessage();
}

juce::StringArray QwelFrame::getMenuBarNames()
{
    return getCommandCategories();
}

juce::PopupMenu QwelFrame::getMenuForIndex (int, const juce::String& menuName)
{
    juce::PopupMenu menu;

    for (auto commandId : getCommandsInCategory (menuName))
        menu.addCommandItem (this, commandId);

    return menu;
}

bool QwelFrame::newSession()
{
    sendSynchronousChangeMessage();

    if (product != nullptr)
        product->resetSession();

    history.clear();
    sendSynchronousChangeMessage();
    return true;
}
