#pragma once

#include "Parameter.h"
#include "ParameterSource.h"

// An owned, named, ordered set of parameters. A parameter's position is its number, which is
// also the index that hosts use.
class ParameterList : public juce::ChangeListener,
                      public ParameterSource,
                      public SimpleNamableObject
{
public:
    explicit ParameterList (const juce::String& name = {});
    ~ParameterList() override;

    // Takes ownership and appends.
    Parameter* addParameter (Parameter* parameter);

    int getNumParameters() override { return parameters.size(); }
    Parameter* getParameter (int index) override { return parameters[index]; }
    Parameter* getParameter (const juce::String& parameterName) const { return byName[parameterName]; }
    juce::String getParameterName (int index) const { return names[index]; }

    // Writes a "parameters" element named after the list, children in reverse list order.
    void savePresets (juce::XmlElement& parent, int mode);
    // Reads the matching "parameters" child, or the element itself when there is none.
    void loadPresets (const juce::XmlElement& element, int mode, QwelHistory* history);

    void changeListenerCallback (juce::ChangeBroadcaster*) override { sendChangeMessage(); }

private:
    juce::OwnedArray<Parameter> parameters;
    juce::StringArray names;
    juce::HashMap<juce::String, Parameter*> byName;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParameterList)
};
