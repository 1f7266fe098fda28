#include "PluginCatalogue.h"

namespace
{
juce::CriticalSection instanceLock;
PluginCatalogue* instance = nullptr;
} // namespace

PluginCatalogue& PluginCatalogue::getInstance()
{
    const juce::ScopedLock sl (instanceLock);

    if (instance == nullptr)
        instance = new PluginCatalogue();

    return *instance;
}

PluginCatalogue::~PluginCatalogue()
{
    const juce::ScopedLock sl (instanceLock);

    if (instance == this)
        instance = nullptr;
}

juce::String PluginCatalogue::findFormatNameFor (const juce::File& file)
{
    const juce::ScopedLock sl (lock);

    for (int i = formats.getNumFormats(); --i >= 0;)
        if (auto* format = formats.getFormat (i))
            if (format->fileMightContainThisPluginType (file.getFullPathName()))
                return format->getName();

    return {};
}
