#include "SteppedParameter.h"

#include <stdexcept>

SteppedParameter::SteppedParameter (const juce::String& parameterName, int first, int last, int defaultStep, bool roman)
    : SimpleParameter (parameterName, first, last, defaultStep)
{
    setIntegerOnly (true);

    for (int i = first; i <= last; ++i)
        addOption (new ParameterOption (roman ? toRoman (i) : juce::String (i), nullptr, nullptr, i));

    // The value set while the parameter was not yet integer-only is rounded now.
    quantize (getValue());
}

SteppedParameter::~SteppedParameter() = default;

juce::String SteppedParameter::convertToText (Parameter& parameter)
{
    return toRoman (juce::roundToInt (parameter.getValue()));
}

double SteppedParameter::readValue (Parameter&, const juce::String& text)
{
    try
    {
        return fromRoman (text);
    }
    catch (const std::invalid_argument&)
    {
        return text.getIntValue();
    }
}

juce::String SteppedParameter::toRoman (int number)
{
    static const std::pair<int, const char*> numerals[] = {
        { 1000, "M" }, { 900, "CM" }, { 500, "D" }, { 400, "CD" }, { 100, "C" }, { 90, "XC" }, { 50, "L" },
        { 40, "XL" },  { 10, "X" },   { 9, "IX" },  { 5, "V" },    { 4, "IV" },  { 1, "I" }
    };

    juce::String text;

    for (const auto& [amount, letters] : numerals)
        for (; number >= amount; number -= amount)
            text << letters;

    return text;
}

int SteppedParameter::fromRoman (const juce::String& text)
{
    const auto valueOf = [] (juce::juce_wchar c)
    {
        switch (juce::CharacterFunctions::toUpperCase (c))
        {
            case 'I': return 1;
            case 'V': return 5;
            case 'X': return 10;
            case 'L': return 50;
            case 'C': return 100;
            case 'D': return 500;
            case 'M': return 1000;
            default: throw std::invalid_argument ("bad roman format");
        }
    };

    if (text.isEmpty())
        throw std::invalid_argument ("bad roman format");

    // Kept in 64 bits so that a long text cannot overflow.
    juce::int64 total = 0;

    for (int i = 0; i < text.length(); ++i)
    {
        const auto current = valueOf (text[i]);
        const bool nextIsLarger = i + 1 < text.length() && valueOf (text[i + 1]) > current;
        total += nextIsLarger ? -current : current;
    }

    return (int) juce::jlimit ((juce::int64) std::numeric_limits<int>::min(), (juce::int64) std::numeric_limits<int>::max(), total);
}
