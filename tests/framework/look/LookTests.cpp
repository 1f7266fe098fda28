#include "framework/look/CompPopup.h"
#include "framework/look/IconButton.h"
#include "framework/look/PlinthLook.h"
#include "framework/look/PositionBroadcaster.h"
#include "framework/object/ServiceLookup.h"
#include "shell/history/QwelHistory.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
int countPixelsNear (const juce::Image& image, juce::Colour colour)
{
    int count = 0;

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
        {
            const auto p = image.getPixelAt (x, y);
            if (std::abs (p.getRed() - colour.getRed()) < 6 && std::abs (p.getGreen() - colour.getGreen()) < 6
                && std::abs (p.getBlue() - colour.getBlue()) < 6 && p.getAlpha() > 250)
                ++count;
        }

    return count;
}

// An editor-like window that offers its own lock and history, as the frame's editor does.
struct Host : public juce::Component, public LockSource, public HistorySource
{
    Host() { setSize (300, 200); setVisible (true); }
    juce::CriticalSection& getLock() override { return lock; }
    QwelHistory* getHistory() override { return &history; }

    juce::CriticalSection lock;
    QwelHistory history;
};
} // namespace

TEST (PlinthLook, IsTheDefaultLookWhileHeldAndLeavesNoDanglingDefault)
{
    {
        auto look = PlinthLook::getInstance();
        EXPECT_EQ (&juce::Desktop::getInstance().getDefaultLookAndFeel(), look.get());
        EXPECT_EQ (look->findColour (juce::TextButton::textColourOffId), Palette::accentBlue);
        EXPECT_EQ (look->findColour (juce::PopupMenu::highlightedBackgroundColourId), Palette::accentBlue);
        EXPECT_EQ (look->findColour (juce::ListBox::backgroundColourId), juce::Colours::transparentBlack);
        EXPECT_EQ (look->findColour (juce::TreeView::linesColourId), Palette::white);
        EXPECT_TRUE (juce::Rectangle<float> (0, 0, 15, 15).contains (look->getTrianglePath().getBounds()));
        EXPECT_FALSE (look->getTrianglePath().getBounds().isEmpty());
    }

    EXPECT_EQ (dynamic_cast<PlinthLook*> (&juce::Desktop::getInstance().getDefaultLookAndFeel()), nullptr);
}

TEST (IconButton, SwitchedOnShowsItsIconInAccentBlue)
{
    IconButton button ("play", "play the file");
    button.setSize (36, 36);
    EXPECT_EQ (button.getTooltip(), "play the file");
    EXPECT_EQ (button.getMouseCursor(), juce::MouseCursor (juce::MouseCursor::PointingHandCursor));

    EXPECT_EQ (countPixelsNear (button.createComponentSnapshot (button.getLocalBounds()), Palette::accentBlue), 0);

    // Switched without notification, as a model update does.
    button.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (button.getNormalColour(), Palette::accentBlue);
    EXPECT_GT (countPixelsNear (button.createComponentSnapshot (button.getLocalBounds()), Palette::accentBlue), 50);

    button.setToggleState (false, juce::sendNotification);
    EXPECT_EQ (countPixelsNear (button.createComponentSnapshot (button.getLocalBounds()), Palette::accentBlue), 0);
    EXPECT_GT (countPixelsNear (button.createComponentSnapshot (button.getLocalBounds()), Palette::white), 50);
}

TEST (CompPopup, ShowsBesideItsAnchorWithTheAnchorsLockAndHistory)
{
    Host host;
    juce::Component anchor;
    host.addAndMakeVisible (anchor);
    anchor.setBounds (20, 30, 60, 18);

    auto* popup = CompPopup::getInstance();
    auto content = std::make_unique<juce::Component>();
    content->setSize (80, 40);
    auto* shown = content.get();
    popup->show (std::move (content), &anchor);

    EXPECT_EQ (popup->getContent(), shown);
    EXPECT_EQ (popup->getParentComponent(), &host);
    EXPECT_TRUE (popup->isVisible());
    EXPECT_EQ (popup->getY(), anchor.getBottom());
    EXPECT_EQ (popup->getX(), anchor.getX());

    EXPECT_EQ (&findLock (shown), &host.lock);
    EXPECT_EQ (findHistory (shown), &host.history);

    // A control inside the panel cannot replace the panel's content with itself inside.
    popup->show (std::make_unique<juce::Component>(), shown);
    EXPECT_EQ (popup->getContent(), shown);

    popup->hideAfter (20);
    EXPECT_TRUE (corvane::test::pumpUntil ([&] { return ! popup->isVisible(); }));
    EXPECT_EQ (popup->getParentComponent(), nullptr);
}

TEST (CompPopup, ClosesWhenItsAnchorIsDeleted)
{
    Host host;
    auto anchor = std::make_unique<juce::Component>();
    host.addAndMakeVisible (*anchor);
    anchor->setBounds (10, 150, 50, 18);

    auto content = std::make_unique<juce::Component>();
    content->setSize (40, 100);
    auto* popup = CompPopup::getInstance();
    popup->show (std::move (content), anchor.get());

    // No room below the anchor: the panel opens above it.
    EXPECT_EQ (popup->getBottom(), anchor->getY());

    anchor.reset();
    EXPECT_FALSE (popup->isVisible());
    EXPECT_EQ (popup->getAnchor(), nullptr);
    EXPECT_EQ (&findLock (popup->getContent()), &findLock (nullptr));
}

TEST (PositionBroadcaster, AnnouncesOnlyRealChanges)
{
    PositionBroadcaster position;
    int changes = 0;
    struct Counter : juce::ChangeListener
    {
        int& n;
        explicit Counter (int& count) : n (count) {}
        void changeListenerCallback (juce::ChangeBroadcaster*) override { ++n; }
    } counter (changes);
    position.addChangeListener (&counter);

    position.setFromText ("1 2 30 40");
    position.dispatchPendingMessages();
    EXPECT_EQ (changes, 1);
    EXPECT_EQ (position.getWidth(), 30);
    position.setFromText ("1 2 30 40");
    position.dispatchPendingMessages();
    EXPECT_EQ (changes, 1);
    EXPECT_EQ (position.toText(), "1 2 30 40");
    position.removeChangeListener (&counter);
}
