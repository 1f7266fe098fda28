#pragma once

#include "framework/object/NamableObject.h"

#include <juce_core/juce_core.h>

// A saved state of a product: an element "preset" with the preset type and the version that
// wrote it, and the file it was read from or written to.
class Preset : public juce::XmlElement,
               public NamableObject
{
public:
    Preset (const juce::String& type, double version);
    // A preset read from a file is the file's root element.
    Preset (const juce::XmlElement& root, const juce::File& file);
    ~Preset() override;

    // The "name" attribute, else the file's name without extension.
    juce::String getName() const override;
    void setName (const juce::String& newName) override { setAttribute ("name", newName); }

    const juce::String& getType() const noexcept { return type; }
    const juce::File& getFile() const noexcept { return file; }
    void setFile (const juce::File& newFile) { file = newFile; }

private:
    juce::String type;
    juce::File file;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Preset)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Preset)
};
