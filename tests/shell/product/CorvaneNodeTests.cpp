#include "TestSupport.h"
#include "shell/processor/QwelStudioFrame.h"
#include "shell/product/CorvaneProduct.h"

#include <gtest/gtest.h>

namespace
{
std::unique_ptr<QwelStudioFrame> makeFrame()
{
    return std::unique_ptr<QwelStudioFrame> (dynamic_cast<QwelStudioFrame*> (createPluginFilter()));
}

CorvaneProduct& productOf (QwelStudioFrame& frame)
{
    return *dynamic_cast<CorvaneProduct*> (frame.getProduct());
}
} // namespace

// The library's settings are written straight into the frame's root element and come back
// in another instance.
TEST (CorvaneNode, LibrarySettingsTravelInTheFramesState)
{
    auto frame = makeFrame();
    auto& library = productOf (*frame);
    library.getGrid().getRowsParameter().setValue (nullptr, {}, true, 25.0);
    library.getListen().setValue (nullptr, {}, true, 0.0);

    const auto state = frame->createStateXml();
    ASSERT_NE (state, nullptr);
    EXPECT_EQ (state->getChildByName ("corvane"), nullptr);
    auto* rows = state->getChildByAttribute ("name", "rows");
    ASSERT_NE (rows, nullptr);
    EXPECT_EQ (rows->getDoubleAttribute ("value"), 25.0);

    auto other = makeFrame();
    other->restoreStateFromXml (*state);
    EXPECT_EQ (productOf (*other).getGrid().getRows(), 25);
    EXPECT_EQ (productOf (*other).getListen().getValue(), 0.0);
    EXPECT_TRUE (productOf (*other).getDatabase().getDatabaseFile().isAChildOf (corvane::test::testHome()));
}
