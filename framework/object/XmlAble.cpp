#include "XmlAble.h"

void XmlAble::presetLoaded (PresetListBase*, const juce::XmlElement& preset, QwelHistory* history)
{
    readAttributes (preset, presetMode, history);
}

void XmlAble::saveToXml (juce::XmlElement& parent, int mode)
{
    auto element = createXml();
    if (element == nullptr)
        return;

    element->setAttribute ("id", getId().toString());
    writeAttributes (*element, mode);
    parent.addChildElement (element.release());
}

void XmlAble::loadFromXml (const juce::XmlElement& parent, int mode, QwelHistory* history)
{
    auto* element = findXml (parent);
    if (element == nullptr)
        return;

    // A missing or unreadable id keeps the current identity.
    const auto idText = element->getStringAttribute ("id").removeCharacters ("-{}");
    if (idText.length() == 32 && idText.containsOnly ("0123456789abcdefABCDEF"))
        setId (juce::Uuid (idText));

    readAttributes (*element, mode, history);
}

const juce::XmlElement* XmlAble::findXml (const juce::XmlElement& parent)
{
    return parent.getChildByName (getXmlTag());
}

juce::String XmlAble::makeXmlTag (const juce::String& classWord) const
{
    // Names may hold blanks or punctuation; a tag that is no valid XML name would make the
    // whole saved state unreadable, so such characters become underscores.
    auto tag = (getTypeName() + classWord).toLowerCase();

    for (int i = 0; i < tag.length(); ++i)
    {
        const auto c = tag[i];
        const bool valid = juce::CharacterFunctions::isLetterOrDigit (c) || c == '_' || c == '-' || c == '.';
        if (! valid || (i == 0 && ! (juce::CharacterFunctions::isLetter (c) || c == '_')))
            tag = tag.replaceSection (i, 1, "_");
    }

    return tag;
}

std::unique_ptr<juce::XmlElement> XmlAble::makeXml (const juce::String& classWord)
{
    auto element = std::make_unique<juce::XmlElement> (getXmlTag());
    element->setAttribute ("type", classWord.toLowerCase());
    return element;
}
