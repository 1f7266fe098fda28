#pragma once

#include "Modulation.h"
#include "ModulationInfo.h"
#include "framework/object/XmlAble.h"

// What modulation sources act on: keeps the links and writes them into its element as the
// child "modulations".
class ModulationTarget : public ModulationNode,
                         public virtual XmlAble,
                         public ModulationInfo
{
public:
    // Told of every new value, inside setValue.
    class Observer
    {
    public:
        virtual ~Observer() = default;
        virtual void targetValueChanged (ModulationTarget& target, double newValue) = 0;
    };

    explicit ModulationTarget (const juce::String& targetName = {}) : ModulationNode (targetName) {}
    ~ModulationTarget() override = default;

    // False when the source is gone, refused or already linked.
    bool addModulation (ModulationSource* source, double depth = 1.0);
    bool removeModulation (ModulationSource* source);
    bool isModulatedBy (const ModulationSource* source) const;
    int getNumModulations() const noexcept { return modulations.size(); }
    Modulation* getModulation (int index) const noexcept { return modulations[index]; }
    // The sum of every live source's output times its depth.
    double getModulationSum() const;

    void addModulationObserver (Observer* observer) { observers.addIfNotAlreadyThere (observer); }
    void removeModulationObserver (Observer* observer) { observers.removeFirstMatchingValue (observer); }

protected:
    void writeModulations (juce::XmlElement& element) const;
    // Replaces the links by those of the element's "modulations" child, when it has one.
    void readModulations (const juce::XmlElement& element);
    // The last observer first.
    void notifyModulationObservers (double newValue);

private:
    juce::OwnedArray<Modulation> modulations;
    juce::Array<Observer*> observers;
};
