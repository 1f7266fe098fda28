#include "Preset.h"

Preset::Preset (const juce::String& presetType, double version)
    : juce::XmlElement ("preset"),
      type (presetType)
{
    setAttribute ("type", presetType);
    setAttribute ("version", version);
}

Preset::Preset (const juce::XmlElement& root, const juce::File& sourceFile)
    : juce::XmlElement (root),
      type (root.getStringAttribute ("type", root.getTagName())),
      file (sourceFile)
{
}

Preset::~Preset() = default;

juce::String Preset::getName() const
{
    const auto name = getStringAttribute ("name");
    return name.isNotEmpty() ? name : file.getFileNameWithoutExtension();
}
