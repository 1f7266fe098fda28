#include "ModulationSource.h"

namespace
{
juce::Array<ModulationSource*>& liveSources()
{
    static juce::Array<ModulationSource*> sources;
    return sources;
}
} // namespace

ModulationSource::ModulationSource (const juce::String& sourceName)
    : ModulationNode (sourceName)
{
    liveSources().add (this);
}

ModulationSource::~ModulationSource()
{
    liveSources().removeFirstMatchingValue (this);
    masterReference.clear();
}

ModulationSource* ModulationSource::findById (const juce::Uuid& id)
{
    for (auto* source : liveSources())
        if (source->getId() == id)
            return source;

    return nullptr;
}
