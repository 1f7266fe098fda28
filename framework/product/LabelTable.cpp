#include "LabelTable.h"

#include "framework/parameters/Translate.h"

#include "CorvaneBinary.h"

juce::String LabelTable::getEnglishText()
{
    return juce::String::fromUTF8 (CorvaneBinary::english_txt, CorvaneBinary::english_txtSize);
}

void LabelTable::loadEnglish()
{
    auto& table = Translate::getInstance();

    if (! table.isLoaded())
        table.loadFromText (getEnglishText());
}
