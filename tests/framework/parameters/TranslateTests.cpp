#include "framework/parameters/Translate.h"

#include <gtest/gtest.h>

TEST (Translate, LabelsWithoutTableMissingKeysAndVariables)
{
    auto& table = Translate::getInstance();
    table.clear();
    EXPECT_EQ (table.translate ("Corvane", "helpdelay"), "$helpdelay$");

    table.loadFromText ("# labels\n$product = Corvane\nCorvane.helpdelay = help of $product$ after $unknown$\n");
    EXPECT_EQ (table.translate ("Corvane", "helpdelay"), "help of Corvane after $unknown$");
    EXPECT_EQ (table.translate ("Corvane", "missing"), "!! Corvane.missing !!");

    table.clear();
}
