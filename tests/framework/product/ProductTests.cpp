#include "framework/parameters/SimpleParameter.h"
#include "framework/product/Preset.h"
#include "framework/product/Product.h"
#include "shell/processor/QwelStudioFrame.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
class TestProduct : public Product
{
public:
    explicit TestProduct (QwelFrame& host) : Product (host, "TestProduct") {}

    void readAttributes (const juce::XmlElement& element, int, QwelHistory*) override
    {
        colour = element.getStringAttribute ("colour", colour);
    }

    void writeAttributes (juce::XmlElement& element, int) override { element.setAttribute ("colour", colour); }

    juce::String colour { "grey" };
};

struct ProductFixture : public ::testing::Test
{
    ProductFixture()
    {
        product = new TestProduct (frame);
        gain = frame.getPluginParameters().addParameter (new SimpleParameter ("gain", 0.0, 10.0, 1.0));
        product->getDefaultFile().deleteFile();
    }

    ~ProductFixture() override { product->getDefaultFile().deleteFile(); }

    QwelStudioFrame frame;
    TestProduct* product = nullptr;
    Parameter* gain = nullptr;
};
} // namespace

TEST_F (ProductFixture, PresetsCarryTheFramesParametersAndApplyUndoably)
{
    EXPECT_EQ (frame.getProduct(), product);
    EXPECT_EQ (product->getHelpDelay().getName(), "helpDelay");
    EXPECT_EQ (product->getHelpDelay().getDisplayName(), "help delay");
    EXPECT_DOUBLE_EQ (product->getHelpDelay().getValue(), 0.2);
    EXPECT_EQ (product->getPropertiesTitle(), "global settings");
    EXPECT_FALSE (product->getHelpDelay().getHelpText().startsWith ("$"));
    EXPECT_FALSE (product->getHelpDelay().getHelpText().startsWith ("!!"));

    juce::OwnedArray<juce::PropertyComponent> rows;
    rows.addArray (product->getProperties());
    ASSERT_EQ (rows.size(), 2);
    EXPECT_EQ (rows[0]->getName(), "save current state as default");
    EXPECT_EQ (rows[1]->getName(), "help delay");
    EXPECT_EQ (rows[1]->getPreferredHeight(), 20);

    gain->setValue (nullptr, {}, true, 4.0);
    std::unique_ptr<Preset> preset (product->createPreset());
    ASSERT_NE (preset, nullptr);
    EXPECT_EQ (preset->getTagName(), "preset");
    EXPECT_EQ (preset->getStringAttribute ("type"), "TestProduct");
    ASSERT_NE (preset->getChildByName ("parameters"), nullptr);

    gain->setValue (nullptr, {}, true, 7.0);
    frame.getHistory()->beginNewTransaction ("change preset");
    product->applyPreset (*preset, frame.getHistory());
    EXPECT_DOUBLE_EQ (gain->getValue(), 4.0);
    frame.getHistory()->undo();
    EXPECT_DOUBLE_EQ (gain->getValue(), 7.0);
}

TEST_F (ProductFixture, DefaultStateRoundTripsAndBadFilesAreIgnored)
{
    const auto file = product->getDefaultFile();
    EXPECT_TRUE (file.isAChildOf (corvane::test::testHome()));
    EXPECT_EQ (file.getFileName(), "default.xml");

    product->colour = "blue";
    product->saveAsDefault();
    ASSERT_TRUE (file.existsAsFile());

    product->colour = "red";
    EXPECT_TRUE (product->loadDefault());
    EXPECT_EQ (product->colour, "blue");

    for (auto* text : { "", "<<<not xml", "<something else=\"1\"/>" })
    {
        file.replaceWithText (text);
        product->colour = "green";
        product->loadDefault();
        EXPECT_EQ (product->colour, "green") << text;
    }
}
