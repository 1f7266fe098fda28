#pragma once

class Parameter;
class ParameterOption;

// Acts when an option of a parameter is chosen from its menu; answers true when it handled it.
class ParameterOptionHandler
{
public:
    virtual ~ParameterOptionHandler() = default;
    virtual bool handleOption (Parameter& parameter, ParameterOption& option) = 0;
};
