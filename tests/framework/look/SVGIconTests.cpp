#include "framework/look/Palette.h"
#include "framework/look/SVGIcon.h"

#include <gtest/gtest.h>

namespace
{
// A small sheet in the shape of an Inkscape drawing: one layer, elements addressed by id.
const char* const testSheet = R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">
  <rect id="outside" x="0" y="0" width="10" height="10"/>
  <g id="layer1">
    <path id="box" d="M10 10 L46 10 L46 46 L10 46Z"/>
    <path id="wide" d="M0 0 L40 0 L40 10 L0 10Z"/>
    <text id="caption">not a path</text>
    <path id="noData"/>
    <path id="garbage" d="@@ nonsense &amp; more"/>
    <path id="truncated" d="M 5 5 L 7"/>
    <path id="huge" d="M 0 0 L 1e999 4 L 3 1e999 Z"/>
    <path id="letters" d="M 1 1 L x y L 5 5 Q Z"/>
  </g>
  <g id="layer2"><path id="second" d="M0 0 L1 1 L0 1Z"/></g>
</svg>)";

bool isFinite (juce::Rectangle<float> r)
{
    return std::isfinite (r.getX()) && std::isfinite (r.getY()) && std::isfinite (r.getWidth()) && std::isfinite (r.getHeight());
}
} // namespace

TEST (SVGIcon, EmptyNameGivesNoIconAndUnknownNamesGiveEmptyOnes)
{
    SVGIcon sheet (testSheet);

    EXPECT_EQ (sheet.getIcon ({}), nullptr);

    // Not in the sheet, outside the first layer, in a later layer, or without path data.
    for (auto* name : { "nothing", "outside", "second", "caption", "noData" })
    {
        auto icon = sheet.getIcon (name);
        ASSERT_NE (icon, nullptr) << name;
        EXPECT_TRUE (icon->getPath().isEmpty()) << name;
    }
}

TEST (SVGIcon, ParsesEachNameOnceAndFitsIconsIntoOneControl)
{
    SVGIcon sheet (testSheet);

    const auto first = sheet.getPath ("box");
    const auto second = sheet.getPath ("box");
    EXPECT_EQ (sheet.getNumParses(), 1);
    EXPECT_EQ (first.getBounds(), second.getBounds());
    EXPECT_EQ (first.getBounds(), juce::Rectangle<float> (10, 10, 36, 36));

    sheet.getPath ("nothing");
    sheet.getPath ("nothing");
    EXPECT_EQ (sheet.getNumParses(), 1);

    // Scaled to 18 x 18 with its proportions kept.
    auto wide = sheet.getIcon ("wide");
    EXPECT_EQ (wide->getPath().getBounds(), juce::Rectangle<float> (0, 6.75f, 18, 4.5f));
    EXPECT_EQ (sheet.getIcon ("box")->getPath().getBounds(), juce::Rectangle<float> (0, 0, 18, 18));
}

TEST (SVGIcon, HighlightedIconsAreAccentBlue)
{
    SVGIcon sheet (testSheet);
    EXPECT_EQ (sheet.getIcon ("box", true)->getFill().colour, Palette::accentBlue);
    EXPECT_EQ (sheet.getIcon ("box", false)->getFill().colour, Palette::white);
}

TEST (SVGIcon, BrokenPathDataNeverGivesAnUndrawableIcon)
{
    SVGIcon sheet (testSheet);

    for (auto* name : { "garbage", "truncated", "huge", "letters" })
    {
        auto icon = sheet.getIcon (name);
        ASSERT_NE (icon, nullptr) << name;
        EXPECT_TRUE (isFinite (icon->getPath().getBounds())) << name;

        juce::Image image (juce::Image::ARGB, 18, 18, true);
        juce::Graphics g (image);
        icon->draw (g, 1.0f);
    }
}

TEST (SVGIcon, UnreadableSheetHasNoIcons)
{
    SVGIcon sheet ("this is not xml <<<");
    EXPECT_TRUE (sheet.getPath ("gear").isEmpty());
    EXPECT_TRUE (sheet.getIconNames().isEmpty());
}

TEST (SVGIcon, BuiltInSheetHoldsEveryIconTheProductUses)
{
    auto* sheet = SVGIcon::getInstance();
    ASSERT_EQ (sheet, SVGIcon::getInstance());

    const juce::StringArray used { "gear", "power", "logo", "star", "starFilter", "volume", "play", "checked",
                                   "semiChecked", "empty", "wav", "aiff", "flac", "mac", "add", "delete",
                                   "refresh", "zero", "random", "listen", "tag", "user", "expand", "save",
                                   "load", "left", "right", "x", "snapshot", "swap", "lock", "clear", "file" };

    for (auto& name : used)
    {
        EXPECT_TRUE (sheet->getIconNames().contains (name)) << name;
        const auto bounds = sheet->getIcon (name)->getPath().getBounds();
        EXPECT_FALSE (bounds.isEmpty()) << name;
        EXPECT_TRUE (juce::Rectangle<float> (-0.01f, -0.01f, 18.02f, 18.02f).contains (bounds)) << name;
    }
}
