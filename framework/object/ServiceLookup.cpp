#include "ServiceLookup.h"

#include "HistorySource.h"
#include "LockSource.h"
#include "framework/parameters/ParameterGroup.h"
#include "shell/history/QwelHistory.h"

namespace
{
template <class Service>
Service* findParentService (const juce::Component* component)
{
    if (component == nullptr)
        return nullptr;

    for (auto* p = component->getParentComponent(); p != nullptr; p = p->getParentComponent())
        if (auto* service = dynamic_cast<Service*> (p))
            return service;

    return nullptr;
}
} // namespace

juce::CriticalSection& findLock (const juce::Component* component)
{
    static juce::CriticalSection fallbackLock;

    if (auto* source = findParentService<LockSource> (component))
        return source->getLock();

    return fallbackLock;
}

QwelHistory* findHistory (const juce::Component* component)
{
    if (auto* source = findParentService<HistorySource> (component))
        return source->getHistory();

    return nullptr;
}

void performUndoable (juce::UndoableAction* action, const juce::Component* component)
{
    if (action == nullptr)
        return;

    if (auto* history = findHistory (component))
    {
        history->perform (action);
        return;
    }

    std::unique_ptr<juce::UndoableAction> owned (action);
    owned->perform();
}

void beginTransaction (const juce::String& name, const juce::Component* component)
{
    if (auto* history = findHistory (component))
        history->beginNewTransaction (name);
}

ParameterGroup& findParameterGroup (const juce::Component* component)
{
    if (auto* group = findParentService<ParameterGroup> (component))
        return *group;

    return ParameterGroup::getDefaultGroup();
}
