#include "OnOffParameter.h"

OnOffParameter::OnOffParameter (const juce::String& parameterName, bool defaultOn)
    : SimpleParameter (parameterName, 0.0, 1.0, defaultOn ? 1.0 : 0.0)
{
    addOption (new ParameterOption ("off", nullptr, nullptr, 0.0));
    addOption (new ParameterOption ("on", nullptr, nullptr, 1.0));
}

OnOffParameter::~OnOffParameter() = default;
