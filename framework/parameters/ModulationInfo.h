#pragma once

class ModulationSource;

// Tells which modulation sources a target accepts.
class ModulationInfo
{
public:
    virtual ~ModulationInfo() = default;
    virtual bool acceptsModulationSource (const ModulationSource&) const { return true; }
};
