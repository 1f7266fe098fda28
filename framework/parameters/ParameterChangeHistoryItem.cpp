#include "ParameterChangeHistoryItem.h"

#include "Parameter.h"

ParameterChangeHistoryItem::ParameterChangeHistoryItem (Parameter& changed, double oldValue, double newValue)
    : parameter (&changed),
      oldNormalized (oldValue),
      newNormalized (newValue)
{
}

ParameterChangeHistoryItem::~ParameterChangeHistoryItem() = default;

bool ParameterChangeHistoryItem::perform()
{
    auto* p = parameter.get();
    if (p == nullptr)
        return false;

    p->setNormalized (nullptr, true, newNormalized);
    return true;
}

bool ParameterChangeHistoryItem::undo()
{
    auto* p = parameter.get();
    if (p == nullptr)
        return false;

    p->setNormalized (nullptr, true, oldNormalized);
    return true;
}
