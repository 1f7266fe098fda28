#include "framework/look/BevelOverlayComp.h"
#include "framework/look/CompPopup.h"
#include "framework/look/IconButton.h"
#include "framework/look/PlinthLook.h"
#include "framework/look/SVGIcon.h"
#include "framework/parameters/OnOffParameter.h"
#include "framework/parameters/ParameterPopup.h"
#include "framework/parameters/ParameterPropertyComp.h"
#include "framework/parameters/ParameterSlider.h"
#include "framework/parameters/SimpleParameter.h"
#include "framework/parameters/SteppedParameter.h"
#include "framework/product/PresetListGUI.h"

#include <gtest/gtest.h>

// Renders the look's picture book: every icon of the sheet at 18 and 64 pixels, and the
// controls in their states. The PNG is for a person to look at:
//   xvfb-run -a build/tests/CorvaneTests --gtest_filter=LookGallery.*
// writes build/gallery/look-gallery.png.
namespace
{
constexpr int columnWidth = 250;

struct ControlStrip : public juce::Component
{
    explicit ControlStrip (juce::String titleText) : title (std::move (titleText)) {}

    void paint (juce::Graphics& g) override
    {
        PlinthLook::drawText (g, title, getLocalBounds().removeFromTop (18), juce::Justification::centredLeft);
    }

    juce::String title;
};

class Gallery : public juce::Component
{
public:
    Gallery()
    {
        const auto names = SVGIcon::getInstance()->getIconNames();
        iconRows = (names.size() + 7) / 8;
        buildControls();
        setSize (2 * 8 * 84 + 20, 40 + iconRows * 100 + 560);

        // The shared popup panel, opened from a slider as a click in a popup group does.
        setVisible (true);
        CompPopup::getInstance()->show (std::make_unique<ParameterPopup> (&modeParameter, nullptr), popupAnchor);
    }

    ~Gallery() override { CompPopup::getInstance()->hide(); }

    void paint (juce::Graphics& g) override
    {
        g.fillAll (Palette::panelGrey);
        auto names = SVGIcon::getInstance()->getIconNames();

        for (int i = 0; i < names.size(); ++i)
        {
            const int x = 10 + (i % 8) * 168;
            const int y = 10 + (i / 8) * 100;
            PlinthLook::fillRounded (g, Palette::panelDark.withAlpha (0.35f), (float) x, (float) y, 160.0f, 92.0f);

            auto big = SVGIcon::getInstance()->getIcon (names[i]);
            big->drawWithin (g, juce::Rectangle<float> ((float) x + 8, (float) y + 6, 64, 64), juce::RectanglePlacement::centred, 1.0f);
            SVGIcon::getInstance()->getIcon (names[i])->drawAt (g, (float) x + 90, (float) y + 20, 1.0f);
            SVGIcon::getInstance()->getIcon (names[i], true)->drawAt (g, (float) x + 120, (float) y + 20, 1.0f);
            PlinthLook::drawText (g, names[i], { x, y + 72, 160, 18 });
        }

        paintPrimitives (g, 10, controlsTop() + 400);
        paintMenu (g, 4 * columnWidth + 20, controlsTop());
    }

private:
    int controlsTop() const { return 20 + iconRows * 100; }

    void buildControls()
    {
        const int top = 20 + iconRows * 100;
        int x = 10;

        // Buttons: off, on, hovered (drawn by the look's operation), disabled.
        auto& off = add (new juce::TextButton ("off"), x, top, 70);
        juce::ignoreUnused (off);
        auto& on = add (new juce::TextButton ("on"), x + 80, top, 70);
        static_cast<juce::Button&> (on).setToggleState (true, juce::dontSendNotification);
        on.setColour (juce::TextButton::buttonOnColourId, Palette::accentBlue);
        auto& disabled = add (new juce::TextButton ("disabled"), x + 160, top, 70);
        disabled.setEnabled (false);

        auto& toggleOff = add (new juce::ToggleButton ("toggle off"), x, top + 28, 110);
        juce::ignoreUnused (toggleOff);
        auto& toggleOn = add (new juce::ToggleButton ("toggle on"), x + 120, top + 28, 110);
        static_cast<juce::Button&> (toggleOn).setToggleState (true, juce::dontSendNotification);

        int ix = x;
        for (auto* icon : { "power", "gear", "logo", "listen", "random", "lock" })
        {
            auto& b = add (new IconButton (icon, icon), ix, top + 56, 18);
            if (ix == x + 44 || ix == x + 88)
                b.setToggleState (true, juce::dontSendNotification);
            ix += 22;
        }
        auto& disabledIcon = add (new IconButton ("save", "save"), ix, top + 56, 18);
        disabledIcon.setEnabled (false);

        auto& combo = add (new juce::ComboBox(), x, top + 84, 160);
        combo.addItem ("init", 1);
        combo.addItem ("bright keys", 2);
        combo.setSelectedId (2, juce::dontSendNotification);
        auto& emptyCombo = add (new juce::ComboBox(), x + 170, top + 84, 70);
        emptyCombo.setTextWhenNothingSelected ("(none)");

        auto& slider = add (new juce::Slider (juce::Slider::LinearHorizontal, juce::Slider::NoTextBox), x, top + 112, 160);
        slider.setRange (0, 1);
        slider.setValue (0.6);
        auto& bar = add (new juce::Slider (juce::Slider::LinearBar, juce::Slider::NoTextBox), x, top + 140, 160);
        bar.setRange (0, 1);
        bar.setValue (0.35);
        auto& rotary = add (new juce::Slider (juce::Slider::RotaryHorizontalVerticalDrag, juce::Slider::NoTextBox), x + 180, top + 112, 46);
        rotary.setSize (46, 46);
        rotary.setRange (0, 1);
        rotary.setValue (0.7);

        auto& editor = add (new juce::TextEditor(), x, top + 168, 160);
        editor.setText ("search name");
        auto& label = add (new juce::Label ({}, "a label"), x, top + 196, 160);
        juce::ignoreUnused (label);
        auto& disabledLabel = add (new juce::Label ({}, "a disabled label"), x, top + 224, 160);
        disabledLabel.setEnabled (false);

        auto& progress = add (new juce::ProgressBar (progressValue), x, top + 252, 160);
        juce::ignoreUnused (progress);

        auto& overlay = add (new BevelOverlayComp(), x + 170, top + 168, 70);
        overlay.setSize (70, 46);

        // A property panel with a section of standard rows.
        panel = &add (new juce::PropertyPanel(), columnWidth + 10, top, 300);
        panel->setSize (300, 180);
        juce::Array<juce::PropertyComponent*> rows;
        rows.add (new juce::BooleanPropertyComponent (boolValue, "switch", "on"));
        rows.add (new juce::TextPropertyComponent (textValue, "name", 40, false));
        rows.add (new juce::SliderPropertyComponent (sliderValue, "amount", 0.0, 1.0, 0.01));
        rows.add (new juce::ChoicePropertyComponent (choiceValue, "choice", { "one", "two" }, { 1, 2 }));
        rows.add (new ParameterPropertyComp (&helpDelay));
        panel->addSection ("global settings", rows);
        panel->addSection ("closed section", { new juce::TextPropertyComponent (textValue, "hidden", 40, false) }, false);

        // Parameter sliders: value shown, name shown, two options off and on, an icon, linked,
        // disabled on a fixed range, and a popup panel.
        levelParameter.setValue (nullptr, {}, true, 0.65);
        offParameter.setValue (nullptr, {}, true, 0.0);
        onParameter.setValue (nullptr, {}, true, 1.0);
        volumeParameter.setIconName ("volume");
        volumeParameter.setValue (nullptr, {}, true, 0.4);
        const int px = 2 * columnWidth + 70;
        add (new ParameterSlider (1, &levelParameter, "level", true), px, top, 120);
        auto& named = add (new ParameterSlider (1, &levelParameter, "level", false), px, top + 24, 120);
        named.timerCallback();
        add (new ParameterSlider (1, &offParameter, {}, true), px, top + 48, 58);
        add (new ParameterSlider (1, &onParameter, {}, true), px + 62, top + 48, 58);
        auto& iconSlider = add (new ParameterSlider (1, &volumeParameter, {}, false), px, top + 72, 36);
        iconSlider.timerCallback();
        auto& linkedSlider = add (new ParameterSlider (1, &levelParameter, "linked", true), px + 40, top + 72, 80);
        linkedSlider.addLinkedParameter (&modeParameter);
        popupAnchor = &add (new ParameterSlider (1, &fixedParameter, "fixed", true), px, top + 96, 120);

        auto& presetBar = add (new PresetListGUI (presets), columnWidth + 10, top + 260, 300);
        juce::ignoreUnused (presetBar);

        auto& scrollList = add (new juce::Viewport(), columnWidth + 10, top + 190, 300);
        scrollList.setSize (300, 60);
        auto* long_ = new juce::Component();
        long_->setSize (280, 300);
        scrollList.setViewedComponent (long_, true);
    }

    template <class ComponentType>
    ComponentType& add (ComponentType* c, int x, int y, int width)
    {
        owned.add (c);
        addAndMakeVisible (c);
        c->setBounds (x, y, width, 18 + (dynamic_cast<juce::TextButton*> (c) != nullptr ? 4 : 0));
        return *c;
    }

    // States a snapshot cannot reach by itself are drawn by the look's own operations.
    void paintPrimitives (juce::Graphics& g, int x, int y)
    {
        auto& look = dynamic_cast<PlinthLook&> (getLookAndFeel());
        PlinthLook::drawText (g, "hovered and pressed button, bevels raised and sunken, vertical text, tooltip", { x, y - 22, 600, 18 },
                              juce::Justification::centredLeft);

        juce::TextButton probe ("hovered");
        probe.setBounds (0, 0, 70, 22);
        {
            juce::Graphics::ScopedSaveState s (g);
            g.setOrigin (x, y);
            look.drawButtonBackground (g, probe, Palette::panelGrey, true, false);
            look.drawButtonText (g, probe, true, false);
            g.setOrigin (80, 0);
            probe.setButtonText ("pressed");
            look.drawButtonBackground (g, probe, Palette::panelGrey, true, true);
            look.drawButtonText (g, probe, true, true);
            g.setOrigin (80, 0);
            look.drawTickBox (g, probe, 0, 2, 14, 14, true, true, true, false);
            g.setOrigin (30, 0);
            IconButton hovered ("play", "play");
            hovered.setBounds (0, 0, 18, 18);
            hovered.paintButton (g, true, false);
        }

        for (int i = 0; i < 4; ++i)
        {
            const float depth = i < 2 ? (i == 0 ? 10.0f : 4.0f) : (i == 2 ? -4.0f : -10.0f);
            const auto r = juce::Rectangle<float> ((float) x + 300 + (float) i * 70, (float) y, 60, 36);
            PlinthLook::fillPanel (g, r);
            PlinthLook::drawBevel (g, Palette::panelGrey, r, depth);
            PlinthLook::drawText (g, juce::String (depth, 0), r.toNearestInt());
        }

        PlinthLook::fillRounded (g, Palette::panelDark, (float) x + 590, (float) y - 10, 22, 90);
        PlinthLook::drawText (g, "vertical", { x + 590, y - 10, 22, 90 });

        {
            juce::Graphics::ScopedSaveState s (g);
            g.setOrigin (x + 630, y);
            g.reduceClipRegion (0, 0, 180, 20);
            look.drawTooltip (g, "a tooltip with some help", 180, 20);
        }

        juce::Graphics::ScopedSaveState s (g);
        g.setOrigin (x + 630, y);

        g.setOrigin (0, 50);
        const juce::Colour swatches[] { Palette::panelGrey, Palette::panelLight, Palette::panelDark, Palette::panelShadow,
                                        Palette::black, Palette::hoverGrey, Palette::accentBlue, Palette::accentGlow,
                                        Palette::white, Palette::dimWhite };
        for (int i = 0; i < 10; ++i)
            PlinthLook::fillRounded (g, swatches[i], (float) i * 20, 0, 18, 18, 3);
    }

    void paintMenu (juce::Graphics& g, int x, int y)
    {
        auto& look = dynamic_cast<PlinthLook&> (getLookAndFeel());
        juce::Graphics::ScopedSaveState s (g);
        g.setOrigin (x, y);
        const int width = 200, rowHeight = 20;
        g.reduceClipRegion (0, 0, width, rowHeight * 7 + 10);
        look.drawPopupMenuBackground (g, width, rowHeight * 7 + 10);
        look.drawPopupMenuSectionHeader (g, { 0, 3, width, rowHeight }, "factory");

        auto row = [&] (int i) { return juce::Rectangle<int> (3, 5 + rowHeight * i, width - 6, rowHeight); };
        auto checked = SVGIcon::getInstance()->getIcon ("checked", true);
        auto user = SVGIcon::getInstance()->getIcon ("user");
        look.drawPopupMenuItem (g, row (1), false, true, false, true, false, "init", {}, checked.get(), nullptr);
        look.drawPopupMenuItem (g, row (2), false, true, true, false, false, "highlighted", "ctrl+H", nullptr, nullptr);
        look.drawPopupMenuItem (g, row (3), false, true, false, true, false, "ticked", {}, nullptr, nullptr);
        look.drawPopupMenuItem (g, row (4), true, true, false, false, false, {}, {}, nullptr, nullptr);
        look.drawPopupMenuItem (g, row (5), false, true, false, false, true, "user", {}, user.get(), nullptr);
        look.drawPopupMenuItem (g, row (6), false, false, false, false, false, "inactive", {}, nullptr, nullptr);
    }

    int iconRows = 0;
    juce::Component* popupAnchor = nullptr;
    PresetListBase presets { "gallery", "Gallery", "presets" };
    SimpleParameter levelParameter { "level", 0.0, 1.0, 0.5 }, volumeParameter { "volume", 0.0, 1.0, 0.5 },
        fixedParameter { "fixed", 1.0, 1.0, 1.0 }, helpDelay { "help delay", 0.0, 2.0, 0.2 };
    OnOffParameter offParameter { "off", false }, onParameter { "on", true };
    SteppedParameter modeParameter { "mode", 1, 4, 2, true };
    juce::OwnedArray<juce::Component> owned;
    juce::PropertyPanel* panel = nullptr;
    juce::Value boolValue { juce::var (true) }, textValue { juce::var ("bright keys") }, sliderValue { juce::var (0.4) },
        choiceValue { juce::var (2) };
    double progressValue = 0.45;
};
} // namespace

TEST (LookGallery, RendersEveryIconAndControlToAPicture)
{
    auto look = PlinthLook::getInstance();
    Gallery gallery;
    gallery.setLookAndFeel (look.get());

    const auto image = gallery.createComponentSnapshot (gallery.getLocalBounds(), true, 1.0f);
    const auto file = juce::File (CORVANE_BUILD_DIR).getChildFile ("gallery/look-gallery.png");
    file.getParentDirectory().createDirectory();
    file.deleteFile();

    juce::FileOutputStream out (file);
    ASSERT_TRUE (out.openedOk());
    ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (image, out));
    out.flush();
    EXPECT_GT (file.getSize(), 10000);

    // The controls once more at twice the size, for a closer look.
    const auto controls = gallery.createComponentSnapshot (gallery.getLocalBounds().withTrimmedTop (gallery.getHeight() - 580)
                                                               .withWidth (780), true, 2.0f);
    const auto closeUp = file.getSiblingFile ("look-gallery-controls@2x.png");
    closeUp.deleteFile();
    juce::FileOutputStream closeOut (closeUp);
    ASSERT_TRUE (closeOut.openedOk());
    ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (controls, closeOut));

    gallery.setLookAndFeel (nullptr);
}
