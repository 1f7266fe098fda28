#pragma once

// Mixin of a component that decides how the parameter controls inside it behave.
class ParameterGroup
{
public:
    virtual ~ParameterGroup() = default;
    virtual bool showsPopupOnClick() { return false; }

    static ParameterGroup& getDefaultGroup()
    {
        static ParameterGroup defaultGroup;
        return defaultGroup;
    }
};
