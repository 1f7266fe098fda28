#include "ParameterSlider.h"

#include "Parameter.h"
#include "ParameterAnalyzer.h"
#include "ParameterGroup.h"
#include "ParameterPopup.h"
#include "framework/look/CompPopup.h"
#include "framework/look/PlinthLook.h"
#include "framework/look/SVGIcon.h"
#include "framework/object/ServiceLookup.h"

namespace
{
constexpr int valueShowMs = 500;
constexpr int wheelPopupMs = 1000;
// Right button or ctrl, as raw modifier flags.
constexpr int menuFlags = 0x22;
} // namespace

ParameterSlider::ParameterSlider (int style, Parameter* parameter, const juce::String& text, bool alwaysShowText)
    : juce::Label ({}, {}),
      primary (parameter),
      labelText (text),
      showText (alwaysShowText)
{
    juce::ignoreUnused (style);
    linked.add (parameter);
    setEditable (false, true, false);
    addAndMakeVisible (overlay);

    if (parameter != nullptr && ! parameter->isDisplayOnly())
    {
        setInterceptsMouseClicks (true, false);
        setMouseCursor (juce::MouseCursor::PointingHandCursor);
    }
    else
    {
        setInterceptsMouseClicks (false, false);
    }

    refresh();
}

ParameterSlider::~ParameterSlider()
{
    if (auto* p = primary.get())
        p->removeChangeListener (this);
}

Parameter* ParameterSlider::getParameter() const
{
    return primary.get();
}

void ParameterSlider::addLinkedParameter (Parameter* parameter)
{
    if (parameter != nullptr)
        linked.add (parameter);

    repaint();
}

juce::Array<Parameter*> ParameterSlider::getLiveParameters() const
{
    juce::Array<Parameter*> live;

    for (auto& p : linked)
        if (auto* parameter = p.get())
            live.add (parameter);

    return live;
}

void ParameterSlider::refresh()
{
    auto* p = primary.get();

    if (p == nullptr)
    {
        setEnabled (false);
        return;
    }

    p->addChangeListener (this);

    if (const auto iconName = p->getIconName(); iconName.isNotEmpty())
        icon = SVGIcon::getInstance()->getPath (iconName);

    setEnabled (p->getMinimum() != p->getMaximum());
    setText (p->getText(), juce::dontSendNotification);
    refreshed = true;
    startTimer (valueShowMs);
    repaint();
}

void ParameterSlider::timerCallback()
{
    if (wheelSeries)
    {
        if (auto* popup = CompPopup::getInstanceWithoutCreating(); popup != nullptr && popup->getAnchor() == this)
            popup->hideAfter (wheelPopupMs);

        wheelSeries = false;
    }

    refreshed = false;
    repaint();
    stopTimer();
}

juce::String ParameterSlider::getChangeName() const
{
    if (labelText.isNotEmpty())
        return labelText;

    if (auto* p = primary.get())
        return p->getLabel (*p);

    return {};
}

bool ParameterSlider::popupEnabled() const
{
    return findParameterGroup (this).showsPopupOnClick() && ! icon.isEmpty() && ! popupDisabled;
}

void ParameterSlider::showParameterPopup (Parameter* parameter, ParameterSlider* slider, bool editText)
{
    if (parameter == nullptr || slider == nullptr)
        return;

    auto* popup = CompPopup::getInstance();
    auto* shown = dynamic_cast<ParameterPopup*> (popup->getContent());

    if (shown == nullptr || shown->getParameter() != parameter || ! popup->isVisible())
    {
        popup->show (std::make_unique<ParameterPopup> (parameter, slider), slider);
        shown = dynamic_cast<ParameterPopup*> (popup->getContent());
    }

    if (shown != nullptr && editText)
        shown->getSlider().showEditor();
}

juce::Component* ParameterSlider::createAnalyzer()
{
    return new ParameterAnalyzer (primary.get());
}

bool ParameterSlider::skipsContinuousGestures (Parameter& parameter) const
{
    return getAlpha() != 0.0f && parameter.getNumOptions() > 0 && ! parameter.hasContinuousOptions();
}

void ParameterSlider::beginGestures()
{
    for (auto* p : getLiveParameters())
        p->beginGesture();
}

void ParameterSlider::endGestures()
{
    auto* history = findHistory (this);

    for (auto* p : getLiveParameters())
        p->endGesture (history, {});
}

//==============================================================================
void ParameterSlider::mouseEnter (const juce::MouseEvent&)
{
    refresh();
    repaint();
}

void ParameterSlider::mouseExit (const juce::MouseEvent&)
{
    repaint();
}

void ParameterSlider::mouseDown (const juce::MouseEvent& event)
{
    auto* p = primary.get();

    if (p == nullptr || ! isEnabled())
        return;

    for (auto* parameter : getLiveParameters())
        parameter->notifyMouseDown();

    lastDragDistance = 0;

    // The gesture starts before a jump, so that the jump is part of the one undo step.
    beginGestures();

    if (jumpToClick && getWidth() > 0)
    {
        const juce::ScopedLock sl (findLock (this));
        p->setNormalized (nullptr, true, juce::jlimit (0.0, 1.0, (double) event.x / (double) getWidth()));
    }

    // Named like every parameter edit in the history: change "name".
    beginTransaction ("change \"" + getChangeName() + "\"", this);

    if (popupEnabled() && event.mods.isLeftButtonDown())
        showParameterPopup (p, this, false);
}

void ParameterSlider::mouseDrag (const juce::MouseEvent& event)
{
    if (primary == nullptr || ! isEnabled())
        return;

    const int distance = juce::roundToInt (event.position.y - event.mouseDownPosition.y);

    // Nothing has moved yet; once it has, coming back to the start point is a move too.
    if (distance == 0 && lastDragDistance == 0)
        return;

    lastDragDistance = distance;

    for (auto* p : getLiveParameters())
    {
        if (skipsContinuousGestures (*p))
            continue;

        const auto step = p->getStepSize (event.mods, false);
        const juce::ScopedLock sl (findLock (this));
        p->nudge (event, (double) -distance, step);
    }
}

void ParameterSlider::mouseUp (const juce::MouseEvent& event)
{
    auto* p = primary.get();

    if (p == nullptr || ! isEnabled())
        return;

    juce::Component::SafePointer<ParameterSlider> self (this);
    const auto parameters = getLiveParameters();

    if (event.mods.isCommandDown())
    {
        beginGestures();
        {
            const juce::ScopedLock sl (findLock (this));
            p->setValue (nullptr, {}, true, p->getDefault());
        }
        endGestures();
    }
    else if (p->hasOptionMenu() && p->getNumOptions() == 2)
    {
        beginGestures();

        for (auto* parameter : parameters)
        {
            auto* options = parameter->getNumOptions() == 2 ? parameter : p;
            const auto first = options->getOption (0)->getValue();
            const auto last = options->getOption (1)->getValue();
            const juce::ScopedLock sl (findLock (this));
            parameter->setValue (nullptr, {}, true, parameter->getValue() == first ? last : first);
        }

        endGestures();
    }
    else if (! event.mouseWasDraggedSinceMouseDown())
    {
        if ((event.mods.getRawFlags() & menuFlags) != 0 || p->getNumOptions() > 0)
            p->showPopupMenu (this);

        // A jump to the click is the whole gesture.
        endGestures();
    }
    else
    {
        endGestures();
    }

    if (self == nullptr)
        return;

    for (auto* parameter : getLiveParameters())
        parameter->notifyMouseUp();
}

void ParameterSlider::mouseDoubleClick (const juce::MouseEvent& event)
{
    auto* p = primary.get();

    if (p == nullptr || ! isEnabled())
        return;

    beginGestures();

    if (popupEnabled())
        showParameterPopup (p, this, true);
    else if (getAlpha() != 0.0f && ! event.mods.isShiftDown() && ! p->hasOptionMenu())
        showEditor();

    endGestures();
}

void ParameterSlider::textWasEdited()
{
    auto* p = primary.get();

    if (p == nullptr)
        return;

    beginGestures();
    const auto text = getText();
    auto* reader = p->getTextReader();
    const auto value = reader != nullptr ? reader->readValue (*p, text) : p->readValue (*p, text);

    if (std::isfinite (value))
    {
        const juce::ScopedLock sl (findLock (this));
        p->setValue (nullptr, {}, true, value);
    }

    juce::Label::textWasEdited();
    setText (p->getText(), juce::dontSendNotification);
    endGestures();
}

void ParameterSlider::mouseWheelMove (const juce::MouseEvent& event, const juce::MouseWheelDetails& wheel)
{
    auto* p = primary.get();

    if (p == nullptr || ! isEnabled() || wheel.deltaX != 0.0f || wheel.deltaY == 0.0f
        || event.eventComponent != this || skipsContinuousGestures (*p))
    {
        juce::Label::mouseWheelMove (event, wheel);
        return;
    }

    beginGestures();
    const double direction = wheel.deltaY > 0.0f ? 1.0 : -1.0;

    if (! wheelSeries)
        beginTransaction ("change \"" + getChangeName() + "\"", this);

    for (auto* parameter : getLiveParameters())
    {
        const auto step = parameter->getStepSize (event.mods, true);
        const juce::ScopedLock sl (findLock (this));
        parameter->nudge (event, direction, step);
    }

    // Without a name each step lands in the transaction the series began with.
    endGestures();
    wheelSeries = true;
    startTimer (valueShowMs);

    if (popupEnabled())
        showParameterPopup (p, this, false);
}

//==============================================================================
void ParameterSlider::resized()
{
    overlay.setBounds (getLocalBounds());
}

void ParameterSlider::paint (juce::Graphics& g)
{
    auto* p = primary.get();

    if (! isVisible() || p == nullptr)
        return;

    const auto bounds = getLocalBounds().toFloat();

    if (isOpaque())
        PlinthLook::fillPanel (g, bounds);

    // The bar from the origin to the value.
    const auto n = juce::jlimit (0.0, 1.0, p->getNormalized());
    const double origin = 0.0;
    const float left = (float) (bounds.getWidth() * juce::jmin (origin, n));
    const float right = (float) (bounds.getWidth() * juce::jmax (origin, n));
    auto barColour = Palette::accentBlue;

    if (p->getNumOptions() == 2 && ! p->hasContinuousOptions())
        barColour = p->getValue() != 0.0 ? Palette::accentBlue : Palette::white;

    if (! isEnabled())
        barColour = barColour.withMultipliedAlpha (0.5f);

    g.setColour (barColour);
    g.fillRect (juce::Rectangle<float> (left, 2.0f, right - left, juce::jmax (0.0f, bounds.getHeight() - 4.0f)));

    g.setColour (linked.size() > 1 ? Palette::white.withAlpha (0.5f) : Palette::white);
    g.strokePath ([&] { juce::Path frame; frame.addRoundedRectangle (bounds.reduced (0.5f), PlinthLook::defaultCorner); return frame; }(),
                  juce::PathStrokeType (1.0f));

    const bool mouseOver = isMouseOver (true);

    if (showText || icon.isEmpty())
    {
        juce::String text = getChangeName();

        if (mouseOver || refreshed || showText)
        {
            bool allEqual = true;

            for (auto* parameter : getLiveParameters())
                allEqual = allEqual && parameter->getValue() == p->getValue();

            text = allEqual ? p->getText() : getChangeName();
        }

        PlinthLook::drawText (g, text, getLocalBounds());
    }
    else
    {
        const auto area = bounds.reduced (3.0f);
        g.setColour (Palette::white.withAlpha (0.8f));
        g.fillPath (icon, icon.getTransformToScaleToFit (area, true));
    }

    paintOverlay (g);

    if (mouseOver && isEnabled())
        PlinthLook::fillRounded (g, Palette::accentBlue.withAlpha (0.2f), bounds.getX(), bounds.getY(), bounds.getWidth(), bounds.getHeight());
}
