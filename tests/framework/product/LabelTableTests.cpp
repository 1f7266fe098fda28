#include "framework/parameters/Translate.h"
#include "framework/product/LabelTable.h"

#include <gtest/gtest.h>

TEST (LabelTable, EveryLabelAndTooltipReadsAsWords)
{
    auto& table = Translate::getInstance();
    table.clear();
    LabelTable::loadEnglish();
    ASSERT_TRUE (table.isLoaded());

    const std::pair<const char*, const char*> keys[] {
        { "Corvane", "cols" }, { "Corvane", "rows" }, { "Corvane", "zero" }, { "Corvane", "qualityFilter" },
        { "Corvane", "quality" }, { "Corvane", "autoListen" }, { "Corvane", "random" },
        { "shared", "helpDelay" }, { "shared", "power" }, { "shared", "gear" }, { "shared", "logo" },
    };

    for (auto [context, key] : keys)
    {
        const auto text = table.translate (context, key);
        EXPECT_FALSE (text.contains ("$") || text.contains ("!!") || text.isEmpty()) << context << "." << key << ": " << text;
    }

    EXPECT_TRUE (table.translate ("shared", "logo").contains ("Corvane"));

    // A table loaded already is left alone.
    table.setText ("shared", "gear", "Settings");
    LabelTable::loadEnglish();
    EXPECT_EQ (table.translate ("shared", "gear"), "Settings");
    table.clear();
}
