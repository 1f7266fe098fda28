#include "DBParameter.h"

DBParameter::DBParameter (const juce::String& parameterName, double minimumDb, double maximumDb, double defaultDb)
    : SimpleParameter (parameterName, minimumDb, maximumDb, defaultDb)
{
    // The base constructor's quantize ran before this class could compute the gain.
    quantize (getValue());
    setIconName ("volume");
}

DBParameter::~DBParameter() = default;

void DBParameter::quantize (double newValue)
{
    SimpleParameter::quantize (newValue);

    const auto linear = (float) std::pow (10.0, getValue() / 20.0);
    gain.store (linear, std::memory_order_relaxed);
    storeAudioValue (linear);
}

juce::String DBParameter::convertToText (Parameter& parameter)
{
    return juce::String (parameter.getValue(), 2) + "db";
}

double DBParameter::readValue (Parameter&, const juce::String& text)
{
    return text.getDoubleValue();
}
