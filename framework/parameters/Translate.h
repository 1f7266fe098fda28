#pragma once

#include <juce_core/juce_core.h>

// The process-wide table of display texts, looked up by a context (the product's name) and a
// key. Without a table a label reads "$key$"; a key missing from a loaded table reads
// "!! context.key !!"; in a found text every "$variable$" of the table is replaced by its
// value. Message thread only.
class Translate
{
public:
    static Translate& getInstance();

    juce::String translate (const juce::String& context, const juce::String& key) const;

    // Adding a text loads the table.
    void setText (const juce::String& context, const juce::String& key, const juce::String& text);
    void setVariable (const juce::String& name, const juce::String& value);
    // Reads "context.key = text" lines; lines starting with "$" set variables
    // ("$name = value"); blank lines and lines starting with "#" are skipped.
    void loadFromText (const juce::String& table);
    void clear();
    bool isLoaded() const noexcept { return loaded; }

private:
    Translate() = default;

    juce::StringPairArray texts, variables;
    bool loaded = false;

    JUCE_DECLARE_NON_COPYABLE (Translate)
};
