#include "PlinthLook.h"

namespace
{
juce::CriticalSection instanceLock;
PlinthLook* instance = nullptr;

float cornerOrDefault (float corner)
{
    return corner < 0.0f ? PlinthLook::defaultCorner : corner;
}

juce::Path roundedRectangle (juce::Rectangle<float> r, float corner)
{
    juce::Path p;
    p.addRoundedRectangle (r, juce::jmin (corner, r.getWidth() * 0.5f, r.getHeight() * 0.5f));
    return p;
}
} // namespace

PlinthLook::Ptr PlinthLook::getInstance()
{
    const juce::ScopedLock sl (instanceLock);

    if (instance == nullptr)
        instance = new PlinthLook();

    return Ptr (instance);
}

PlinthLook::PlinthLook()
{
    juce::Path sharp;
    sharp.addTriangle (0.0f, 0.0f, 7.5f, 15.0f, 15.0f, 0.0f);
    triangle = sharp.createPathWithRoundedCorners (5.0f);

    setPaletteColours();

    // Hosts may build processors away from the message thread; the desktop is only touched on it.
    if (juce::MessageManager::existsAndIsLockedByCurrentThread())
    {
        juce::Desktop::getInstance().setDefaultLookAndFeel (this);
    }
    else
    {
        juce::WeakReference<juce::LookAndFeel> look (this);
        juce::MessageManager::callAsync ([look]
        {
            if (look != nullptr)
                juce::Desktop::getInstance().setDefaultLookAndFeel (look.get());
        });
    }
}

PlinthLook::~PlinthLook()
{
    {
        const juce::ScopedLock sl (instanceLock);

        if (instance == this)
            instance = nullptr;
    }

    if (juce::MessageManager::getInstanceWithoutCreating() != nullptr
        && &juce::Desktop::getInstance().getDefaultLookAndFeel() == this)
        juce::Desktop::getInstance().setDefaultLookAndFeel (nullptr);
}

void PlinthLook::setPaletteColours()
{
    // The colours every view relies on.
    setColour (juce::TextButton::textColourOffId, Palette::accentBlue);
    setColour (juce::ListBox::backgroundColourId, juce::Colours::transparentBlack);
    setColour (juce::PopupMenu::highlightedBackgroundColourId, Palette::accentBlue);
    setColour (juce::PopupMenu::highlightedTextColourId, Palette::white);
    setColour (juce::PopupMenu::textColourId, Palette::white);
    setColour (juce::TreeView::linesColourId, Palette::white);

    // The rest of the standard widgets, so that they look part of the same design.
    setColour (juce::PopupMenu::backgroundColourId, Palette::panelGrey);
    setColour (juce::PopupMenu::headerTextColourId, Palette::dimWhite);
    setColour (juce::TextButton::buttonColourId, Palette::panelGrey);
    setColour (juce::TextButton::buttonOnColourId, Palette::accentBlue);
    setColour (juce::TextButton::textColourOnId, Palette::white);
    setColour (juce::ToggleButton::textColourId, Palette::white);
    setColour (juce::ToggleButton::tickColourId, Palette::accentBlue);
    setColour (juce::Label::textColourId, Palette::white);
    setColour (juce::Label::textWhenEditingColourId, Palette::white);
    setColour (juce::TextEditor::backgroundColourId, Palette::panelDark);
    setColour (juce::TextEditor::textColourId, Palette::white);
    setColour (juce::TextEditor::highlightColourId, Palette::accentBlue.withAlpha (0.6f));
    setColour (juce::TextEditor::highlightedTextColourId, Palette::white);
    setColour (juce::TextEditor::outlineColourId, juce::Colours::transparentBlack);
    setColour (juce::TextEditor::focusedOutlineColourId, Palette::accentBlue);
    setColour (juce::CaretComponent::caretColourId, Palette::white);
    setColour (juce::ListBox::textColourId, Palette::white);
    setColour (juce::ListBox::outlineColourId, juce::Colours::transparentBlack);
    setColour (juce::ComboBox::backgroundColourId, Palette::panelGrey);
    setColour (juce::ComboBox::textColourId, Palette::white);
    setColour (juce::ComboBox::arrowColourId, Palette::white);
    setColour (juce::ComboBox::outlineColourId, juce::Colours::transparentBlack);
    setColour (juce::PropertyComponent::backgroundColourId, Palette::panelGrey);
    setColour (juce::PropertyComponent::labelTextColourId, Palette::dimWhite);
    setColour (juce::BooleanPropertyComponent::backgroundColourId, Palette::panelDark);
    setColour (juce::BooleanPropertyComponent::outlineColourId, juce::Colours::transparentBlack);
    setColour (juce::TextPropertyComponent::backgroundColourId, Palette::panelDark);
    setColour (juce::TextPropertyComponent::textColourId, Palette::white);
    setColour (juce::TextPropertyComponent::outlineColourId, juce::Colours::transparentBlack);
    setColour (juce::ResizableWindow::backgroundColourId, Palette::panelGrey);
    setColour (juce::DocumentWindow::textColourId, Palette::white);
    setColour (juce::AlertWindow::backgroundColourId, Palette::panelGrey);
    setColour (juce::AlertWindow::textColourId, Palette::white);
    setColour (juce::AlertWindow::outlineColourId, Palette::panelLight);
    setColour (juce::TooltipWindow::backgroundColourId, Palette::panelDark);
    setColour (juce::TooltipWindow::textColourId, Palette::white);
    setColour (juce::TooltipWindow::outlineColourId, Palette::panelLight);
    setColour (juce::ScrollBar::thumbColourId, Palette::white.withAlpha (0.3f));
    setColour (juce::ScrollBar::trackColourId, juce::Colours::transparentBlack);
    setColour (juce::Slider::thumbColourId, Palette::panelGrey);
    setColour (juce::Slider::trackColourId, Palette::accentBlue);
    setColour (juce::Slider::backgroundColourId, Palette::panelDark);
    setColour (juce::Slider::rotarySliderFillColourId, Palette::accentBlue);
    setColour (juce::Slider::rotarySliderOutlineColourId, Palette::panelDark);
    setColour (juce::Slider::textBoxTextColourId, Palette::white);
    setColour (juce::Slider::textBoxBackgroundColourId, Palette::panelDark);
    setColour (juce::Slider::textBoxOutlineColourId, juce::Colours::transparentBlack);
    setColour (juce::TreeView::backgroundColourId, juce::Colours::transparentBlack);
    setColour (juce::TreeView::selectedItemBackgroundColourId, Palette::accentGlow);
    setColour (juce::GroupComponent::outlineColourId, Palette::panelLight);
    setColour (juce::GroupComponent::textColourId, Palette::dimWhite);
    setColour (juce::DrawableButton::textColourId, Palette::white);
    setColour (juce::DrawableButton::backgroundOnColourId, juce::Colours::transparentBlack);
    setColour (juce::ProgressBar::backgroundColourId, Palette::panelDark);
    setColour (juce::ProgressBar::foregroundColourId, Palette::accentBlue);
    setColour (juce::HyperlinkButton::textColourId, Palette::accentBlue);
}

//==============================================================================
void PlinthLook::fillPanel (juce::Graphics& g, float x, float y, float width, float height, float corner)
{
    fillRounded (g, Palette::panelGrey, x, y, width, height, corner);
}

void PlinthLook::fillRounded (juce::Graphics& g, juce::Colour colour, float x, float y, float width, float height, float corner)
{
    if (width <= 0.0f || height <= 0.0f)
        return;

    g.setColour (colour);
    g.fillPath (roundedRectangle ({ x, y, width, height }, cornerOrDefault (corner)));
}

void PlinthLook::drawBevel (juce::Graphics& g, juce::Colour colour, float x, float y, float width, float height,
                            float depth, float corner)
{
    if (width <= 0.0f || height <= 0.0f)
        return;

    corner = cornerOrDefault (corner);
    const auto dark = colour.withMultipliedBrightness (0.5f);
    const auto light = colour.withMultipliedBrightness (1.5f);
    const auto lighter = colour.withMultipliedBrightness (2.0f);
    const bool raised = depth > 0.0f;
    const float band = juce::jmin (std::abs (depth), height);
    const juce::Rectangle<float> area (x, y, width, height);

    {
        juce::Graphics::ScopedSaveState saved (g);
        g.reduceClipRegion (roundedRectangle (area, corner));

        if (raised)
        {
            g.setGradientFill ({ dark.withAlpha (0.0f), x, y + height - band, dark.withAlpha (0.2f), x, y + height, false });
            g.fillRect (area.withTop (y + height - band));
            g.setGradientFill ({ lighter.withAlpha (0.2f), x, y, lighter.withAlpha (0.0f), x, y + band, false });
            g.fillRect (area.withHeight (band));
        }
        else if (band > 0.0f)
        {
            g.setGradientFill ({ dark.withAlpha (0.1f), x, y, dark.withAlpha (0.0f), x, y + band, false });
            g.fillRect (area.withHeight (band));
        }
    }

    g.setGradientFill ({ raised ? light : dark, x, y, raised ? dark : light, x, y + height, false });
    g.strokePath (roundedRectangle (area.reduced (0.5f), juce::jmax (0.0f, corner - 0.5f)), juce::PathStrokeType (1.0f));
}

void PlinthLook::drawText (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> area,
                           juce::Justification justification)
{
    g.setColour (Palette::white);

    const auto inner = juce::Rectangle<int> (area.getX() + 2, area.getY() + 2,
                                             juce::jmax (0, area.getWidth() - 4), juce::jmax (0, area.getHeight() - 4));
    const float fontHeight = juce::jmin (12.0f, 0.8f * (float) juce::jmin (inner.getWidth(), inner.getHeight()));

    if (fontHeight <= 0.0f || text.isEmpty())
        return;

    g.setFont (fontHeight);

    if (inner.getHeight() > inner.getWidth())
    {
        const auto centre = inner.getCentre().toFloat();
        juce::Graphics::ScopedSaveState saved (g);
        g.addTransform (juce::AffineTransform::rotation (-juce::MathConstants<float>::halfPi, centre.x, centre.y));
        const auto turned = juce::Rectangle<int> (inner.getHeight(), inner.getWidth()).withCentre (inner.getCentre());
        g.drawFittedText (text, turned, justification, 1, 0.7f);
        return;
    }

    g.drawFittedText (text, inner, justification, 1, 0.7f);
}

//==============================================================================
void PlinthLook::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour,
                                       bool highlighted, bool down)
{
    const auto r = button.getLocalBounds().toFloat();
    const auto base = button.isEnabled() ? backgroundColour : backgroundColour.withMultipliedAlpha (0.5f);

    fillRounded (g, base, r.getX(), r.getY(), r.getWidth(), r.getHeight());

    if (highlighted && ! down)
        fillRounded (g, Palette::accentGlow, r.getX(), r.getY(), r.getWidth(), r.getHeight());

    drawBevel (g, base, r, down ? -4.0f : r.getHeight() * 0.5f);
}

juce::Font PlinthLook::getTextButtonFont (juce::TextButton&, int buttonHeight)
{
    return juce::Font (juce::jmin (13.0f, (float) buttonHeight * 0.7f));
}

void PlinthLook::drawToggleButton (juce::Graphics& g, juce::ToggleButton& button, bool highlighted, bool down)
{
    const float boxSize = juce::jmin ((float) controlSize - 4.0f, (float) button.getHeight() - 4.0f);
    drawTickBox (g, button, 2.0f, ((float) button.getHeight() - boxSize) * 0.5f, boxSize, boxSize,
                 button.getToggleState(), button.isEnabled(), highlighted, down);

    g.setColour (button.findColour (juce::ToggleButton::textColourId).withMultipliedAlpha (button.isEnabled() ? 1.0f : 0.5f));
    g.setFont (juce::jmin (13.0f, (float) button.getHeight() * 0.7f));
    const int textX = (int) boxSize + 8;
    g.drawFittedText (button.getButtonText(), textX, 0, juce::jmax (0, button.getWidth() - textX - 2), button.getHeight(),
                      juce::Justification::centredLeft, 1, 0.7f);
}

void PlinthLook::drawTickBox (juce::Graphics& g, juce::Component& component, float x, float y, float w, float h,
                              bool ticked, bool isEnabled, bool highlighted, bool down)
{
    juce::ignoreUnused (component, down);
    fillRounded (g, Palette::panelDark, x, y, w, h, 3.0f);

    if (highlighted)
        fillRounded (g, Palette::accentGlow, x, y, w, h, 3.0f);

    drawBevel (g, Palette::panelGrey, x, y, w, h, -h * 0.5f, 3.0f);

    if (ticked)
    {
        const auto tick = getTickShape (h);
        g.setColour (Palette::accentBlue.withMultipliedAlpha (isEnabled ? 1.0f : 0.5f));
        g.fillPath (tick, tick.getTransformToScaleToFit (juce::Rectangle<float> (x, y, w, h).reduced (h * 0.2f), true));
    }
}

void PlinthLook::drawDrawableButton (juce::Graphics& g, juce::DrawableButton& button, bool highlighted, bool down)
{
    if (highlighted || down)
        fillRounded (g, down ? Palette::accentBlue.withAlpha (0.4f) : Palette::accentGlow,
                     0.0f, 0.0f, (float) button.getWidth(), (float) button.getHeight(), 3.0f);

    LookAndFeel_V3::drawDrawableButton (g, button, false, false);
}

//==============================================================================
void PlinthLook::drawLinearSlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                                   float minSliderPos, float maxSliderPos, const juce::Slider::SliderStyle style,
                                   juce::Slider& slider)
{
    const float alpha = slider.isEnabled() ? 1.0f : 0.5f;
    const auto fill = Palette::accentBlue.withMultipliedAlpha (alpha);
    const auto area = juce::Rectangle<int> (x, y, width, height).toFloat();

    if (style == juce::Slider::LinearBar || style == juce::Slider::LinearBarVertical)
    {
        fillRounded (g, Palette::panelDark, area.getX(), area.getY(), area.getWidth(), area.getHeight(), 3.0f);

        const auto bar = style == juce::Slider::LinearBar ? area.withRight (sliderPos) : area.withTop (sliderPos);
        fillRounded (g, fill, bar.getX(), bar.getY(), bar.getWidth(), bar.getHeight(), 3.0f);
        drawBevel (g, Palette::panelGrey, area, -4.0f, 3.0f);
        return;
    }

    if (style != juce::Slider::LinearHorizontal && style != juce::Slider::LinearVertical)
    {
        LookAndFeel_V3::drawLinearSlider (g, x, y, width, height, sliderPos, minSliderPos, maxSliderPos, style, slider);
        return;
    }

    const bool horizontal = slider.isHorizontal();
    const float thickness = 6.0f;
    const auto track = horizontal ? area.withSizeKeepingCentre (area.getWidth(), thickness)
                                  : area.withSizeKeepingCentre (thickness, area.getHeight());
    fillRounded (g, Palette::panelDark, track.getX(), track.getY(), track.getWidth(), track.getHeight(), 3.0f);

    const auto filled = horizontal ? track.withRight (sliderPos) : track.withTop (sliderPos);
    fillRounded (g, fill, filled.getX(), filled.getY(), filled.getWidth(), filled.getHeight(), 3.0f);

    const float knob = juce::jmin ((float) controlSize - 4.0f, horizontal ? area.getHeight() : area.getWidth());
    const auto centre = horizontal ? juce::Point<float> (sliderPos, area.getCentreY())
                                   : juce::Point<float> (area.getCentreX(), sliderPos);
    const auto thumb = juce::Rectangle<float> (knob, knob).withCentre (centre);
    fillRounded (g, Palette::panelGrey, thumb.getX(), thumb.getY(), knob, knob, 4.0f);

    if (slider.isMouseOverOrDragging() && slider.isEnabled())
        fillRounded (g, Palette::accentGlow, thumb.getX(), thumb.getY(), knob, knob, 4.0f);

    drawBevel (g, Palette::panelGrey, thumb, knob * 0.5f, 4.0f);
}

void PlinthLook::drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPosProportional,
                                   float rotaryStartAngle, float rotaryEndAngle, juce::Slider& slider)
{
    const auto area = juce::Rectangle<int> (x, y, width, height).toFloat().reduced (2.0f);
    const float radius = juce::jmin (area.getWidth(), area.getHeight()) * 0.5f;
    const auto centre = area.getCentre();
    const float angle = rotaryStartAngle + sliderPosProportional * (rotaryEndAngle - rotaryStartAngle);
    const float lineWidth = juce::jmax (2.0f, radius * 0.2f);
    const float arcRadius = radius - lineWidth * 0.5f;

    juce::Path background;
    background.addCentredArc (centre.x, centre.y, arcRadius, arcRadius, 0.0f, rotaryStartAngle, rotaryEndAngle, true);
    g.setColour (Palette::panelDark);
    g.strokePath (background, { lineWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded });

    juce::Path value;
    value.addCentredArc (centre.x, centre.y, arcRadius, arcRadius, 0.0f, rotaryStartAngle, angle, true);
    g.setColour (Palette::accentBlue.withMultipliedAlpha (slider.isEnabled() ? 1.0f : 0.5f));
    g.strokePath (value, { lineWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded });

    const auto tip = centre.getPointOnCircumference (arcRadius - lineWidth, angle);
    g.setColour (Palette::white);
    g.drawLine ({ centre.getPointOnCircumference (arcRadius * 0.3f, angle), tip }, lineWidth * 0.75f);
}

//==============================================================================
void PlinthLook::drawScrollbar (juce::Graphics& g, juce::ScrollBar& bar, int x, int y, int width, int height,
                                bool isScrollbarVertical, int thumbStartPosition, int thumbSize, bool isMouseOver,
                                bool isMouseDown)
{
    juce::ignoreUnused (bar);

    if (thumbSize <= 0)
        return;

    auto thumb = isScrollbarVertical ? juce::Rectangle<int> (x, thumbStartPosition, width, thumbSize)
                                     : juce::Rectangle<int> (thumbStartPosition, y, thumbSize, height);
    const auto r = thumb.toFloat().reduced (2.0f);
    const auto colour = isMouseDown ? Palette::accentBlue
                                    : Palette::white.withAlpha (isMouseOver ? 0.45f : 0.25f);
    fillRounded (g, colour, r.getX(), r.getY(), r.getWidth(), r.getHeight(), juce::jmin (r.getWidth(), r.getHeight()) * 0.5f);
}

//==============================================================================
void PlinthLook::drawPopupMenuBackground (juce::Graphics& g, int width, int height)
{
    g.fillAll (findColour (juce::PopupMenu::backgroundColourId));
    drawBevel (g, Palette::panelGrey, 0.0f, 0.0f, (float) width, (float) height, 10.0f, 0.0f);
}

void PlinthLook::drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool isSeparator, bool isActive,
                                    bool isHighlighted, bool isTicked, bool hasSubMenu, const juce::String& text,
                                    const juce::String& shortcutKeyText, const juce::Drawable* icon,
                                    const juce::Colour* textColour)
{
    if (isSeparator)
    {
        g.setColour (Palette::white.withAlpha (0.2f));
        g.fillRect (area.reduced (6, 0).withSizeKeepingCentre (area.getWidth() - 12, 1));
        return;
    }

    auto r = area.reduced (2, 0);

    if (isHighlighted && isActive)
        fillRounded (g, findColour (juce::PopupMenu::highlightedBackgroundColourId),
                     (float) r.getX(), (float) r.getY(), (float) r.getWidth(), (float) r.getHeight(), 4.0f);

    auto colour = textColour != nullptr ? *textColour
                                        : findColour (isHighlighted ? juce::PopupMenu::highlightedTextColourId
                                                                    : juce::PopupMenu::textColourId);
    if (! isActive)
        colour = colour.withMultipliedAlpha (0.4f);

    const auto iconArea = r.removeFromLeft (controlSize).reduced (2).toFloat();

    if (icon != nullptr)
    {
        icon->drawWithin (g, iconArea, juce::RectanglePlacement::centred, isActive ? 1.0f : 0.4f);
    }
    else if (isTicked)
    {
        const auto tick = getTickShape (iconArea.getHeight());
        g.setColour (isHighlighted ? Palette::white : Palette::accentBlue);
        g.fillPath (tick, tick.getTransformToScaleToFit (iconArea.reduced (1.0f), true));
    }

    if (hasSubMenu)
    {
        const auto arrowArea = r.removeFromRight (controlSize).toFloat().reduced (5.0f);
        g.setColour (colour);
        g.fillPath (triangle, triangle.getTransformToScaleToFit (arrowArea, true)
                                  .followedBy (juce::AffineTransform::rotation (-juce::MathConstants<float>::halfPi,
                                                                                arrowArea.getCentreX(), arrowArea.getCentreY())));
    }

    r.removeFromLeft (4);
    g.setColour (colour);
    g.setFont (getPopupMenuFont());
    g.drawFittedText (text, r, juce::Justification::centredLeft, 1, 0.8f);

    if (shortcutKeyText.isNotEmpty())
    {
        g.setColour (colour.withMultipliedAlpha (0.6f));
        g.drawText (shortcutKeyText, r.reduced (4, 0), juce::Justification::centredRight, true);
    }
}

void PlinthLook::drawPopupMenuSectionHeader (juce::Graphics& g, const juce::Rectangle<int>& area, const juce::String& sectionName)
{
    g.setColour (findColour (juce::PopupMenu::headerTextColourId));
    g.setFont (getPopupMenuFont().boldened());
    g.drawFittedText (sectionName, area.reduced (6, 0), juce::Justification::bottomLeft, 1);
}

juce::Font PlinthLook::getPopupMenuFont()
{
    return juce::Font (13.0f);
}

void PlinthLook::getIdealPopupMenuItemSize (const juce::String& text, bool isSeparator, int standardMenuItemHeight,
                                            int& idealWidth, int& idealHeight)
{
    juce::ignoreUnused (standardMenuItemHeight);

    if (isSeparator)
    {
        idealWidth = 50;
        idealHeight = controlSize / 2;
        return;
    }

    idealHeight = controlSize + 2;
    idealWidth = getPopupMenuFont().getStringWidth (text) + 2 * controlSize + 12;
}

//==============================================================================
void PlinthLook::fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor& editor)
{
    fillRounded (g, editor.findColour (juce::TextEditor::backgroundColourId), 0.0f, 0.0f, (float) width, (float) height, 3.0f);
}

void PlinthLook::drawTextEditorOutline (juce::Graphics& g, int width, int height, juce::TextEditor& editor)
{
    if (! editor.isEnabled())
        return;

    if (editor.hasKeyboardFocus (true) && ! editor.isReadOnly())
    {
        g.setColour (editor.findColour (juce::TextEditor::focusedOutlineColourId));
        g.drawRoundedRectangle (juce::Rectangle<float> (0.0f, 0.0f, (float) width, (float) height).reduced (0.75f), 3.0f, 1.5f);
        return;
    }

    drawBevel (g, Palette::panelGrey, 0.0f, 0.0f, (float) width, (float) height, -4.0f, 3.0f);
}

void PlinthLook::drawLabel (juce::Graphics& g, juce::Label& label)
{
    const auto background = label.findColour (juce::Label::backgroundColourId);

    if (! background.isTransparent())
        fillRounded (g, background, 0.0f, 0.0f, (float) label.getWidth(), (float) label.getHeight(), 3.0f);

    if (label.isBeingEdited())
        return;

    const float alpha = label.isEnabled() ? 1.0f : 0.5f;
    const auto font = getLabelFont (label);
    const auto textArea = getLabelBorderSize (label).subtractedFrom (label.getLocalBounds());
    g.setColour (label.findColour (juce::Label::textColourId).withMultipliedAlpha (alpha));
    g.setFont (font);
    g.drawFittedText (label.getText(), textArea, label.getJustificationType(),
                      juce::jmax (1, (int) ((float) textArea.getHeight() / font.getHeight())),
                      label.getMinimumHorizontalScale());

    const auto outline = label.findColour (juce::Label::outlineColourId);

    if (! outline.isTransparent())
    {
        g.setColour (outline.withMultipliedAlpha (alpha));
        g.drawRoundedRectangle (label.getLocalBounds().toFloat().reduced (0.5f), 3.0f, 1.0f);
    }
}

//==============================================================================
void PlinthLook::drawComboBox (juce::Graphics& g, int width, int height, bool isMouseButtonDown, int buttonX, int buttonY,
                               int buttonW, int buttonH, juce::ComboBox& box)
{
    const auto area = juce::Rectangle<float> (0.0f, 0.0f, (float) width, (float) height);
    fillRounded (g, box.findColour (juce::ComboBox::backgroundColourId), 0.0f, 0.0f, area.getWidth(), area.getHeight(), 4.0f);

    if (box.isMouseOver (true) && box.isEnabled())
        fillRounded (g, Palette::accentGlow, 0.0f, 0.0f, area.getWidth(), area.getHeight(), 4.0f);

    drawBevel (g, Palette::panelGrey, area, isMouseButtonDown ? -4.0f : area.getHeight() * 0.5f, 4.0f);

    const auto arrowArea = juce::Rectangle<int> (buttonX, buttonY, buttonW, buttonH).toFloat()
                               .withSizeKeepingCentre (8.0f, 8.0f);
    g.setColour (box.findColour (juce::ComboBox::arrowColourId).withMultipliedAlpha (box.isEnabled() ? 1.0f : 0.4f));
    g.fillPath (triangle, triangle.getTransformToScaleToFit (arrowArea, true));
}

juce::Font PlinthLook::getComboBoxFont (juce::ComboBox& box)
{
    return juce::Font (juce::jmin (13.0f, (float) box.getHeight() * 0.75f));
}

//==============================================================================
void PlinthLook::drawPropertyPanelSectionHeader (juce::Graphics& g, const juce::String& name, bool isOpen, int width, int height)
{
    const auto area = juce::Rectangle<float> (0.0f, 0.0f, (float) width, (float) height).reduced (0.0f, 1.0f);
    fillRounded (g, Palette::panelDark, area.getX(), area.getY(), area.getWidth(), area.getHeight(), 4.0f);

    const auto arrowArea = area.withWidth (area.getHeight()).reduced (area.getHeight() * 0.3f);
    const auto place = triangle.getTransformToScaleToFit (arrowArea, true);
    g.setColour (Palette::dimWhite);
    g.fillPath (triangle, isOpen ? place
                                 : place.followedBy (juce::AffineTransform::rotation (-juce::MathConstants<float>::halfPi,
                                                                                      arrowArea.getCentreX(),
                                                                                      arrowArea.getCentreY())));

    g.setColour (Palette::white);
    g.setFont (juce::Font ((float) height * 0.65f, juce::Font::bold));
    g.drawText (name, area.withTrimmedLeft (area.getHeight() + 2.0f), juce::Justification::centredLeft, true);
}

void PlinthLook::drawPropertyComponentBackground (juce::Graphics& g, int width, int height, juce::PropertyComponent& component)
{
    fillRounded (g, component.findColour (juce::PropertyComponent::backgroundColourId),
                 0.0f, 0.0f, (float) width, (float) height - 1.0f, 3.0f);
}

void PlinthLook::drawPropertyComponentLabel (juce::Graphics& g, int width, int height, juce::PropertyComponent& component)
{
    juce::ignoreUnused (width);
    const auto content = getPropertyComponentContentPosition (component);
    g.setColour (component.findColour (juce::PropertyComponent::labelTextColourId)
                     .withMultipliedAlpha (component.isEnabled() ? 1.0f : 0.6f));
    g.setFont ((float) juce::jmin (height, controlSize + 6) * 0.6f);
    g.drawFittedText (component.getName(), 4, 0, juce::jmax (0, content.getX() - 8), height - 1,
                      juce::Justification::centredLeft, 1, 0.8f);
}

int PlinthLook::getPropertyPanelSectionHeaderHeight (const juce::String& sectionTitle)
{
    return sectionTitle.isEmpty() ? 0 : controlSize + 4;
}

//==============================================================================
void PlinthLook::drawAlertBox (juce::Graphics& g, juce::AlertWindow& alert, const juce::Rectangle<int>& textArea,
                               juce::TextLayout& layout)
{
    const auto bounds = alert.getLocalBounds().toFloat();
    g.fillAll (alert.findColour (juce::AlertWindow::backgroundColourId));
    drawBevel (g, Palette::panelGrey, bounds, 16.0f, 0.0f);
    g.setColour (alert.findColour (juce::AlertWindow::outlineColourId));
    g.drawRect (alert.getLocalBounds(), 1);
    layout.draw (g, textArea.toFloat());
}

void PlinthLook::drawTooltip (juce::Graphics& g, const juce::String& text, int width, int height)
{
    const auto area = juce::Rectangle<float> (0.0f, 0.0f, (float) width, (float) height);
    g.fillAll (findColour (juce::TooltipWindow::backgroundColourId));
    drawBevel (g, Palette::panelGrey, area, 6.0f, 0.0f);
    g.setColour (findColour (juce::TooltipWindow::textColourId));
    g.setFont (13.0f);
    g.drawFittedText (text, area.toNearestInt().reduced (6, 2), juce::Justification::centredLeft, 4);
}

juce::Rectangle<int> PlinthLook::getTooltipBounds (const juce::String& tipText, juce::Point<int> screenPos,
                                                   juce::Rectangle<int> parentArea)
{
    const juce::Font font (13.0f);
    const int w = juce::jmin (400, font.getStringWidth (tipText) + 14);
    const int lines = juce::jmax (1, (font.getStringWidth (tipText) + 13) / juce::jmax (1, w - 14) + 1);
    const int h = lines > 1 ? (int) (font.getHeight() * (float) lines) + 6 : controlSize + 2;

    return juce::Rectangle<int> (screenPos.x > parentArea.getCentreX() ? screenPos.x - (w + 12) : screenPos.x + 24,
                                 screenPos.y > parentArea.getCentreY() ? screenPos.y - (h + 6) : screenPos.y + 6, w, h)
        .constrainedWithin (parentArea);
}

void PlinthLook::drawCallOutBoxBackground (juce::CallOutBox& box, juce::Graphics& g, const juce::Path& path, juce::Image&)
{
    juce::ignoreUnused (box);
    g.setColour (Palette::panelShadow);
    g.fillPath (path, juce::AffineTransform::translation (0.0f, 2.0f));
    g.setColour (Palette::panelGrey);
    g.fillPath (path);
    g.setColour (Palette::white.withAlpha (0.5f));
    g.strokePath (path, juce::PathStrokeType (1.0f));
}

void PlinthLook::drawProgressBar (juce::Graphics& g, juce::ProgressBar& bar, int width, int height, double progress,
                                  const juce::String& textToShow)
{
    const auto area = juce::Rectangle<float> (0.0f, 0.0f, (float) width, (float) height);
    fillRounded (g, bar.findColour (juce::ProgressBar::backgroundColourId), 0.0f, 0.0f, area.getWidth(), area.getHeight(), 3.0f);

    if (progress >= 0.0 && progress <= 1.0)
        fillRounded (g, bar.findColour (juce::ProgressBar::foregroundColourId), 0.0f, 0.0f,
                     area.getWidth() * (float) progress, area.getHeight(), 3.0f);

    drawBevel (g, Palette::panelGrey, area, -4.0f, 3.0f);

    if (textToShow.isNotEmpty())
        drawText (g, textToShow, area.toNearestInt());
}

void PlinthLook::drawTreeviewPlusMinusBox (juce::Graphics& g, const juce::Rectangle<float>& area, juce::Colour,
                                           bool isOpen, bool isMouseOver)
{
    const auto arrowArea = area.reduced (area.getHeight() * 0.25f);
    const auto place = triangle.getTransformToScaleToFit (arrowArea, true);
    g.setColour (isMouseOver ? Palette::accentBlue : Palette::dimWhite);
    g.fillPath (triangle, isOpen ? place
                                 : place.followedBy (juce::AffineTransform::rotation (-juce::MathConstants<float>::halfPi,
                                                                                      arrowArea.getCentreX(),
                                                                                      arrowArea.getCentreY())));
}

void PlinthLook::fillResizableWindowBackground (juce::Graphics& g, int, int, const juce::BorderSize<int>&,
                                                juce::ResizableWindow& window)
{
    g.fillAll (window.getBackgroundColour());
}

void PlinthLook::drawCornerResizer (juce::Graphics& g, int w, int h, bool isMouseOver, bool isMouseDragging)
{
    g.setColour ((isMouseOver || isMouseDragging) ? Palette::accentBlue : Palette::dimWhite.withAlpha (0.6f));
    const float size = (float) juce::jmin (w, h);

    for (float i = 0.3f; i < 1.0f; i += 0.3f)
        g.drawLine ((float) w - size * i, (float) h, (float) w, (float) h - size * i, 1.5f);
}

void PlinthLook::drawGroupComponentOutline (juce::Graphics& g, int w, int h, const juce::String& text,
                                            const juce::Justification&, juce::GroupComponent& group)
{
    const float textHeight = 13.0f;
    const auto area = juce::Rectangle<float> (0.0f, textHeight * 0.5f, (float) w, (float) h - textHeight * 0.5f);
    drawBevel (g, Palette::panelGrey, area, -6.0f, 4.0f);

    if (text.isNotEmpty())
    {
        const juce::Font font (textHeight);
        const float textWidth = (float) font.getStringWidth (text) + 8.0f;
        g.setColour (group.findColour (juce::ResizableWindow::backgroundColourId));
        g.fillRect (8.0f, 0.0f, textWidth, textHeight);
        g.setColour (group.findColour (juce::GroupComponent::textColourId));
        g.setFont (font);
        g.drawText (text, juce::Rectangle<float> (8.0f, 0.0f, textWidth, textHeight), juce::Justification::centred, true);
    }
}

void PlinthLook::drawStretchableLayoutResizerBar (juce::Graphics& g, int w, int h, bool isVerticalBar, bool isMouseOver,
                                                  bool isMouseDragging)
{
    juce::ignoreUnused (isVerticalBar);

    if (isMouseOver || isMouseDragging)
        fillRounded (g, isMouseDragging ? Palette::accentBlue.withAlpha (0.5f) : Palette::accentGlow,
                     0.0f, 0.0f, (float) w, (float) h, 2.0f);
}
