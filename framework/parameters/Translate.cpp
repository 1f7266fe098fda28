#include "Translate.h"

Translate& Translate::getInstance()
{
    static Translate instance;
    return instance;
}

juce::String Translate::translate (const juce::String& context, const juce::String& key) const
{
    if (! loaded)
        return "$" + key + "$";

    const auto fullKey = context + "." + key;
    if (! texts.containsKey (fullKey))
        return "!! " + fullKey + " !!";

    auto text = texts[fullKey];

    for (int i = 0; i < variables.size(); ++i)
        text = text.replace ("$" + variables.getAllKeys()[i] + "$", variables.getAllValues()[i]);

    return text;
}

void Translate::setText (const juce::String& context, const juce::String& key, const juce::String& text)
{
    texts.set (context + "." + key, text);
    loaded = true;
}

void Translate::setVariable (const juce::String& name, const juce::String& value)
{
    variables.set (name, value);
}

void Translate::loadFromText (const juce::String& table)
{
    for (auto line : juce::StringArray::fromLines (table))
    {
        line = line.trim();
        if (line.isEmpty() || line.startsWithChar ('#') || ! line.containsChar ('='))
            continue;

        const auto name = line.upToFirstOccurrenceOf ("=", false, false).trim();
        const auto text = line.fromFirstOccurrenceOf ("=", false, false).trim();

        if (name.startsWithChar ('$'))
            setVariable (name.substring (1), text);
        else if (name.containsChar ('.'))
            setText (name.upToLastOccurrenceOf (".", false, false), name.fromLastOccurrenceOf (".", false, false), text);
    }

    loaded = true;
}

void Translate::clear()
{
    texts.clear();
    variables.clear();
    loaded = false;
}
