#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A resizable window around one editor component, with a close button. It follows the
// editor's size, closes when the editor goes away, and repaints when the edited model
// announces a change.
class QuickEditorWindow : public juce::ResizableWindow,
                          public juce::ChangeListener,
                          public juce::ComponentListener,
                          public juce::Button::Listener
{
public:
    // Takes ownership of the editor; the model, when given, must outlive the window or be
    // detached with setModel (nullptr).
    QuickEditorWindow (const juce::String& title, std::unique_ptr<juce::Component> editor,
                       juce::ChangeBroadcaster* model = nullptr);
    ~QuickEditorWindow() override;

    void setModel (juce::ChangeBroadcaster* newModel);

    // Runs when the close button is pressed; by default the window hides itself.
    std::function<void()> onClose;

    void resized() override;
    void paint (juce::Graphics& g) override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override;
    void componentMovedOrResized (juce::Component& component, bool wasMoved, bool wasResized) override;
    void componentBeingDeleted (juce::Component& component) override;
    void buttonClicked (juce::Button* button) override;

    juce::Component* getEditor() const noexcept { return editor.get(); }

private:
    int getTitleHeight() const;

    std::unique_ptr<juce::Component> editor;
    juce::ChangeBroadcaster* model = nullptr;
    juce::TextButton closeButton { "x" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuickEditorWindow)
};
