#include "CompPopup.h"

#include "PlinthLook.h"
#include "framework/object/ServiceLookup.h"

namespace
{
CompPopup* popupInstance = nullptr;

// Visible up to its top-level component, whether or not that one is on screen yet.
bool isVisibleInWindow (const juce::Component& component)
{
    for (auto* c = &component; c != nullptr; c = c->getParentComponent())
        if (! c->isVisible())
            return false;

    return true;
}
} // namespace

CompPopup* CompPopup::getInstance()
{
    JUCE_ASSERT_MESSAGE_THREAD

    if (popupInstance == nullptr)
        popupInstance = new CompPopup();

    return popupInstance;
}

CompPopup* CompPopup::getInstanceWithoutCreating()
{
    return popupInstance;
}

CompPopup::CompPopup()
{
    setOpaque (false);
    setAlwaysOnTop (true);
}

CompPopup::~CompPopup()
{
    hide();

    if (popupInstance == this)
        popupInstance = nullptr;
}

void CompPopup::show (std::unique_ptr<juce::Component> newContent, juce::Component* newAnchor)
{
    if (newContent == nullptr || newAnchor == nullptr || isParentOf (newAnchor))
        return;

    stopWatching();
    stopTimer();

    if (content != nullptr)
        removeChildComponent (content.get());

    content = std::move (newContent);
    anchor = newAnchor;

    addAndMakeVisible (*content);
    content->addComponentListener (this);
    anchor->addComponentListener (this);

    placeNextToAnchor();

    if (! listeningGlobally)
    {
        juce::Desktop::getInstance().addGlobalMouseListener (this);
        listeningGlobally = true;
    }
}

void CompPopup::hide()
{
    stopTimer();
    stopWatching();

    if (listeningGlobally)
    {
        juce::Desktop::getInstance().removeGlobalMouseListener (this);
        listeningGlobally = false;
    }

    // The content stays alive until it is replaced: the hide may come from inside it.
    setVisible (false);

    if (auto* parent = getParentComponent())
        parent->removeChildComponent (this);
    else if (isOnDesktop())
        removeFromDesktop();
}

void CompPopup::hideAfter (int milliseconds)
{
    startTimer (juce::jmax (1, milliseconds));
}

void CompPopup::stopWatching()
{
    if (content != nullptr)
        content->removeComponentListener (this);

    if (anchor != nullptr)
        anchor->removeComponentListener (this);
}

void CompPopup::placeNextToAnchor()
{
    if (content == nullptr || anchor == nullptr)
        return;

    const auto size = content->getBounds().expanded (border).withZeroOrigin();
    auto* top = anchor->getTopLevelComponent();

    if (top == nullptr || top == anchor.getComponent() || ! isVisibleInWindow (*anchor))
    {
        // An anchor that is not on screen leaves nothing to stand beside.
        hide();
        return;
    }

    // The panel lives inside the anchor's window, so that no host has to deal with a
    // second native window: below the anchor when there is room, otherwise above it.
    const auto anchorArea = top->getLocalArea (anchor.getComponent(), anchor->getLocalBounds());
    const auto area = top->getLocalBounds();
    auto placed = size.withPosition (anchorArea.getX(), anchorArea.getBottom());

    if (placed.getBottom() > area.getBottom() && anchorArea.getY() - size.getHeight() >= area.getY())
        placed.setY (anchorArea.getY() - size.getHeight());

    if (getParentComponent() != top)
        top->addChildComponent (this);

    setBounds (placed.constrainedWithin (area));
    setVisible (true);
    toFront (false);
}

juce::CriticalSection& CompPopup::getLock()
{
    return findLock (anchor.getComponent());
}

QwelHistory* CompPopup::getHistory()
{
    return findHistory (anchor.getComponent());
}

void CompPopup::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat();
    PlinthLook::fillRounded (g, Palette::panelShadow, area.getX() + 1.0f, area.getY() + 1.0f, area.getWidth() - 1.0f, area.getHeight() - 1.0f);
    PlinthLook::fillPanel (g, area.getX(), area.getY(), area.getWidth() - 1.0f, area.getHeight() - 1.0f);
    PlinthLook::drawBevel (g, Palette::panelGrey, area.withTrimmedRight (1.0f).withTrimmedBottom (1.0f), 10.0f);
}

void CompPopup::resized()
{
    if (content != nullptr)
        content->setTopLeftPosition (border, border);
}

void CompPopup::timerCallback()
{
    hide();
}

void CompPopup::componentMovedOrResized (juce::Component& component, bool, bool wasResized)
{
    if (&component == content.get() && wasResized)
        placeNextToAnchor();
    else if (&component == anchor.getComponent())
        placeNextToAnchor();
}

void CompPopup::componentVisibilityChanged (juce::Component& component)
{
    if (&component == anchor.getComponent() && ! component.isVisible())
        hide();
}

void CompPopup::componentBeingDeleted (juce::Component& component)
{
    if (&component == anchor.getComponent())
    {
        component.removeComponentListener (this);
        anchor = nullptr;
        hide();
    }
}

void CompPopup::mouseDown (const juce::MouseEvent& event)
{
    // As a global listener the panel hears every click; one outside it and its anchor closes it.
    auto* clicked = event.eventComponent;

    if (clicked == this || isParentOf (clicked) || clicked == anchor.getComponent())
        return;

    hide();
}
