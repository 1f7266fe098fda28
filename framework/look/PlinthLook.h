#pragma once

#include "Palette.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The framework's look and feel, one per process, alive while anybody holds it: rounded
// panels in the panel grey with bevels, white text and accent-blue highlights. Its drawing
// primitives are static so that controls can paint in the same style without a look.
class PlinthLook : public juce::LookAndFeel_V3,
                   public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<PlinthLook>;

    // Creating the instance makes it the desktop's default look.
    static Ptr getInstance();

    ~PlinthLook() override;

    // The height of every bar and list row, and the side of every square icon button.
    static constexpr int controlSize = 18;
    static constexpr float defaultCorner = 5.0f;

    // A negative corner means the default corner.
    static void fillPanel (juce::Graphics& g, float x, float y, float width, float height, float corner = -1.0f);
    static void fillRounded (juce::Graphics& g, juce::Colour colour, float x, float y, float width, float height, float corner = -1.0f);
    // A mostly transparent bevel that can lie over other drawing: raised for a positive
    // depth, sunken otherwise; the depth is the height of the shaded bands in pixels.
    static void drawBevel (juce::Graphics& g, juce::Colour colour, float x, float y, float width, float height,
                           float depth, float corner = -1.0f);
    // White text fitted into the rectangle; turned by a quarter turn when taller than wide.
    static void drawText (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> area,
                          juce::Justification justification = juce::Justification::centred);

    static void fillPanel (juce::Graphics& g, juce::Rectangle<float> r, float corner = -1.0f)
    {
        fillPanel (g, r.getX(), r.getY(), r.getWidth(), r.getHeight(), corner);
    }
    static void drawBevel (juce::Graphics& g, juce::Colour colour, juce::Rectangle<float> r, float depth, float corner = -1.0f)
    {
        drawBevel (g, colour, r.getX(), r.getY(), r.getWidth(), r.getHeight(), depth, corner);
    }

    // A downward triangle with rounded corners, 15 wide and 15 high.
    const juce::Path& getTrianglePath() const noexcept { return triangle; }

    // Buttons
    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& backgroundColour,
                               bool highlighted, bool down) override;
    juce::Font getTextButtonFont (juce::TextButton&, int buttonHeight) override;
    void drawToggleButton (juce::Graphics&, juce::ToggleButton&, bool highlighted, bool down) override;
    void drawTickBox (juce::Graphics&, juce::Component&, float x, float y, float w, float h,
                      bool ticked, bool isEnabled, bool highlighted, bool down) override;
    void drawDrawableButton (juce::Graphics&, juce::DrawableButton&, bool highlighted, bool down) override;

    // Sliders
    void drawLinearSlider (juce::Graphics&, int x, int y, int width, int height, float sliderPos, float minSliderPos,
                           float maxSliderPos, const juce::Slider::SliderStyle, juce::Slider&) override;
    void drawRotarySlider (juce::Graphics&, int x, int y, int width, int height, float sliderPosProportional,
                           float rotaryStartAngle, float rotaryEndAngle, juce::Slider&) override;

    // Scroll bars
    bool areScrollbarButtonsVisible() override { return false; }
    int getDefaultScrollbarWidth() override { return 10; }
    void drawScrollbar (juce::Graphics&, juce::ScrollBar&, int x, int y, int width, int height, bool isScrollbarVertical,
                        int thumbStartPosition, int thumbSize, bool isMouseOver, bool isMouseDown) override;

    // Popup menus
    void drawPopupMenuBackground (juce::Graphics&, int width, int height) override;
    void drawPopupMenuItem (juce::Graphics&, const juce::Rectangle<int>& area, bool isSeparator, bool isActive,
                            bool isHighlighted, bool isTicked, bool hasSubMenu, const juce::String& text,
                            const juce::String& shortcutKeyText, const juce::Drawable* icon,
                            const juce::Colour* textColour) override;
    void drawPopupMenuSectionHeader (juce::Graphics&, const juce::Rectangle<int>& area, const juce::String& sectionName) override;
    juce::Font getPopupMenuFont() override;
    void getIdealPopupMenuItemSize (const juce::String& text, bool isSeparator, int standardMenuItemHeight,
                                    int& idealWidth, int& idealHeight) override;
    int getPopupMenuBorderSize() override { return 3; }

    // Text editors and labels
    void fillTextEditorBackground (juce::Graphics&, int width, int height, juce::TextEditor&) override;
    void drawTextEditorOutline (juce::Graphics&, int width, int height, juce::TextEditor&) override;
    void drawLabel (juce::Graphics&, juce::Label&) override;

    // Combo boxes
    void drawComboBox (juce::Graphics&, int width, int height, bool isMouseButtonDown, int buttonX, int buttonY,
                       int buttonW, int buttonH, juce::ComboBox&) override;
    juce::Font getComboBoxFont (juce::ComboBox&) override;

    // Property panels
    void drawPropertyPanelSectionHeader (juce::Graphics&, const juce::String& name, bool isOpen, int width, int height) override;
    void drawPropertyComponentBackground (juce::Graphics&, int width, int height, juce::PropertyComponent&) override;
    void drawPropertyComponentLabel (juce::Graphics&, int width, int height, juce::PropertyComponent&) override;
    int getPropertyPanelSectionHeaderHeight (const juce::String& sectionTitle) override;

    // Windows, alerts, tooltips and the rest
    void drawAlertBox (juce::Graphics&, juce::AlertWindow&, const juce::Rectangle<int>& textArea, juce::TextLayout&) override;
    int getAlertWindowButtonHeight() override { return 2 * controlSize - 6; }
    void drawTooltip (juce::Graphics&, const juce::String& text, int width, int height) override;
    juce::Rectangle<int> getTooltipBounds (const juce::String& tipText, juce::Point<int> screenPos,
                                           juce::Rectangle<int> parentArea) override;
    void drawCallOutBoxBackground (juce::CallOutBox&, juce::Graphics&, const juce::Path& path, juce::Image& cachedImage) override;
    void drawProgressBar (juce::Graphics&, juce::ProgressBar&, int width, int height, double progress,
                          const juce::String& textToShow) override;
    void drawTreeviewPlusMinusBox (juce::Graphics&, const juce::Rectangle<float>& area, juce::Colour backgroundColour,
                                   bool isOpen, bool isMouseOver) override;
    void fillResizableWindowBackground (juce::Graphics&, int w, int h, const juce::BorderSize<int>&, juce::ResizableWindow&) override;
    void drawCornerResizer (juce::Graphics&, int w, int h, bool isMouseOver, bool isMouseDragging) override;
    void drawGroupComponentOutline (juce::Graphics&, int w, int h, const juce::String& text,
                                    const juce::Justification&, juce::GroupComponent&) override;
    void drawStretchableLayoutResizerBar (juce::Graphics&, int w, int h, bool isVerticalBar, bool isMouseOver,
                                          bool isMouseDragging) override;

private:
    PlinthLook();
    void setPaletteColours();

    juce::Path triangle;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PlinthLook)
};
