#include "framework/parameters/ParameterSourceGUI.h"
#include "framework/parameters/SimpleParameter.h"
#include "framework/product/Product.h"
#include "shell/processor/QwelStudioFrame.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
class ProductWithParameters : public Product
{
public:
    explicit ProductWithParameters (QwelFrame& host) : Product (host, "Sliders") {}
    int getNumParameters() override { return parameters.size(); }
    Parameter* getParameter (int index) override { return parameters[index]; }

    juce::OwnedArray<Parameter> parameters;
};
} // namespace

TEST (ParameterSourceGUI, OneSliderPerParameterLastOnTopRebuiltOnChange)
{
    QwelStudioFrame frame;
    auto* product = new ProductWithParameters (frame);
    product->parameters.add (new SimpleParameter ("first", 0.0, 1.0, 0.0));
    product->parameters.add (new SimpleParameter ("second", 0.0, 1.0, 0.0));

    std::unique_ptr<juce::Component> panel (product->createParametersComponent());
    auto* column = dynamic_cast<ParameterSourceGUI*> (panel.get());
    ASSERT_NE (column, nullptr);
    column->setSize (100, 36);
    ASSERT_EQ (column->getNumSliders(), 2);
    EXPECT_EQ (column->getSlider (0)->getParameter(), product->parameters[1]);
    EXPECT_EQ (column->getSlider (0)->getY(), 0);
    EXPECT_EQ (column->getSlider (1)->getY(), 18);

    product->parameters.add (new SimpleParameter ("third", 0.0, 1.0, 0.0));
    product->sendChangeMessage();
    EXPECT_TRUE (corvane::test::pumpUntil ([&] { return column->getNumSliders() == 3; }));
    EXPECT_EQ (column->getSlider (0)->getHeight(), 12);
}
