#pragma once

#include "framework/object/HistorySource.h"
#include "framework/object/LockSource.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The one floating panel of the process: it shows a content component next to the control
// that opened it (its anchor) and closes on a click elsewhere, after a delay, or when the
// anchor goes away. Controls inside it edit the model under the anchor's lock and into the
// anchor's history.
class CompPopup : public juce::DeletedAtShutdown,
                  public juce::Component,
                  public juce::Timer,
                  public juce::ChangeListener,
                  public juce::ComponentListener,
                  public LockSource,
                  public HistorySource
{
public:
    static CompPopup* getInstance();
    // The panel when it exists, without creating it.
    static CompPopup* getInstanceWithoutCreating();

    CompPopup();
    ~CompPopup() override;

    // The content becomes the panel's only child and replaces the previous one. A request from
    // a control inside the panel itself is ignored, so that a control never deletes itself.
    void show (std::unique_ptr<juce::Component> content, juce::Component* anchor);
    void hide();
    void hideAfter (int milliseconds);

    bool isShown() const { return isShowing() || isOnDesktop(); }
    juce::Component* getContent() const noexcept { return content.get(); }
    juce::Component* getAnchor() const noexcept { return anchor.getComponent(); }

    juce::CriticalSection& getLock() override;
    QwelHistory* getHistory() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void timerCallback() override;
    // Places the panel next to its anchor again (for instance after the anchor moved).
    void changeListenerCallback (juce::ChangeBroadcaster*) override { placeNextToAnchor(); }
    void componentMovedOrResized (juce::Component& component, bool wasMoved, bool wasResized) override;
    void componentVisibilityChanged (juce::Component& component) override;
    void componentBeingDeleted (juce::Component& component) override;
    void mouseDown (const juce::MouseEvent& event) override;

    static constexpr int border = 3;

private:
    void placeNextToAnchor();
    void stopWatching();

    std::unique_ptr<juce::Component> content;
    juce::Component::SafePointer<juce::Component> anchor;
    bool listeningGlobally = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CompPopup)
};
