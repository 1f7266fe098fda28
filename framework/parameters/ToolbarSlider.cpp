#include "ToolbarSlider.h"

#include "ModulationSource.h"
#include "Parameter.h"
#include "framework/object/ServiceLookup.h"
#include "shell/history/QwelHistory.h"

ToolbarSlider::ToolbarSlider (int sliderIndex, Parameter* parameter, const juce::String& text, bool alwaysShowText)
    : ParameterSlider (1, parameter, text, alwaysShowText),
      index (sliderIndex)
{
}

juce::Array<ModulationSource*> ToolbarSlider::findSources (const SourceDetails& details) const
{
    juce::Array<ModulationSource*> sources;
    auto* p = getParameter();

    if (p == nullptr)
        return sources;

    // A drag carries either the dragged component itself or the component that shows it.
    auto consider = [&] (juce::Component* component)
    {
        if (auto* source = dynamic_cast<ModulationSource*> (component);
            source != nullptr && dynamic_cast<DraggableObject*> (component) != nullptr && p->acceptsModulationSource (*source))
            sources.addIfNotAlreadyThere (source);
    };

    consider (details.sourceComponent.get());
    return sources;
}

bool ToolbarSlider::isInterestedInDragSource (const SourceDetails& details)
{
    return ! findSources (details).isEmpty();
}

void ToolbarSlider::itemDropped (const SourceDetails& details)
{
    auto* p = getParameter();
    const auto sources = findSources (details);

    if (p == nullptr || sources.isEmpty())
        return;

    beginTransaction ("add modulation", this);
    const juce::ScopedLock sl (findLock (this));

    for (auto* source : sources)
        p->addModulation (source);
}
