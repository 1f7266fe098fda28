#pragma once

#include "ModulationNode.h"

// Something whose output moves parameters: every live source can be found by its id, so
// that saved links can find their source again.
class ModulationSource : public ModulationNode
{
public:
    explicit ModulationSource (const juce::String& name = {});
    ~ModulationSource() override;

    double getOutput() const noexcept { return output.load (std::memory_order_relaxed); }
    void setOutput (double newOutput) noexcept { output.store (newOutput, std::memory_order_relaxed); }

    // Message thread only.
    static ModulationSource* findById (const juce::Uuid& id);

private:
    std::atomic<double> output { 0.0 };

    JUCE_DECLARE_WEAK_REFERENCEABLE (ModulationSource)
    JUCE_DECLARE_NON_COPYABLE (ModulationSource)
};
