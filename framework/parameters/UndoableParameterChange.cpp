#include "UndoableParameterChange.h"

#include "Parameter.h"

UndoableParameterChange::UndoableParameterChange (Parameter& changed, double value)
    : parameter (&changed),
      oldValue (changed.getValue()),
      newValue (value)
{
}

UndoableParameterChange::~UndoableParameterChange() = default;

bool UndoableParameterChange::perform()
{
    auto* p = parameter.get();
    if (p == nullptr)
        return false;

    p->setValue (nullptr, {}, true, newValue);
    return true;
}

bool UndoableParameterChange::undo()
{
    auto* p = parameter.get();
    if (p == nullptr)
        return false;

    p->setValue (nullptr, {}, true, oldValue);
    return true;
}
