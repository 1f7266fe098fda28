#include "Modulation.h"

std::unique_ptr<juce::XmlElement> Modulation::createXml() const
{
    auto element = std::make_unique<juce::XmlElement> ("modulation");

    if (auto* s = source.get())
        element->setAttribute ("sourceid", s->getId().toString());

    element->setAttribute ("depth", depth);
    return element;
}

std::unique_ptr<Modulation> Modulation::fromXml (const juce::XmlElement& element)
{
    const auto idText = element.getStringAttribute ("sourceid").removeCharacters ("-{}");
    if (idText.length() != 32 || ! idText.containsOnly ("0123456789abcdefABCDEF"))
        return nullptr;

    auto* source = ModulationSource::findById (juce::Uuid (idText));
    if (source == nullptr)
        return nullptr;

    auto depth = element.getDoubleAttribute ("depth", 1.0);
    if (! std::isfinite (depth))
        depth = 1.0;

    return std::make_unique<Modulation> (source, depth);
}
