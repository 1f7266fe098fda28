#include "QuickEditorWindow.h"

#include "PlinthLook.h"

QuickEditorWindow::QuickEditorWindow (const juce::String& title, std::unique_ptr<juce::Component> editorToShow,
                                      juce::ChangeBroadcaster* modelToWatch)
    : juce::ResizableWindow (title, Palette::panelGrey, true),
      editor (std::move (editorToShow))
{
    closeButton.addListener (this);
    Component::addAndMakeVisible (closeButton);

    if (editor != nullptr)
    {
        Component::addAndMakeVisible (*editor);
        editor->addComponentListener (this);
        setSize (editor->getWidth(), editor->getHeight() + getTitleHeight());
    }

    setResizable (true, false);
    setModel (modelToWatch);
}

QuickEditorWindow::~QuickEditorWindow()
{
    setModel (nullptr);

    if (editor != nullptr)
        editor->removeComponentListener (this);

    closeButton.removeListener (this);
}

void QuickEditorWindow::setModel (juce::ChangeBroadcaster* newModel)
{
    if (model != nullptr)
        model->removeChangeListener (this);

    model = newModel;

    if (model != nullptr)
        model->addChangeListener (this);
}

int QuickEditorWindow::getTitleHeight() const
{
    return PlinthLook::controlSize;
}

void QuickEditorWindow::resized()
{
    juce::ResizableWindow::resized();
    auto area = getLocalBounds();
    auto title = area.removeFromTop (getTitleHeight());
    closeButton.setBounds (title.removeFromRight (getTitleHeight()).reduced (1));

    if (editor != nullptr)
    {
        editor->removeComponentListener (this);
        editor->setBounds (area);
        editor->addComponentListener (this);
    }
}

void QuickEditorWindow::paint (juce::Graphics& g)
{
    g.fillAll (Palette::panelGrey);
    auto title = getLocalBounds().removeFromTop (getTitleHeight()).withTrimmedRight (getTitleHeight());
    PlinthLook::drawText (g, getName(), title, juce::Justification::centredLeft);
}

void QuickEditorWindow::changeListenerCallback (juce::ChangeBroadcaster*)
{
    repaint();

    if (editor != nullptr)
        editor->repaint();
}

void QuickEditorWindow::componentMovedOrResized (juce::Component& component, bool, bool wasResized)
{
    if (&component == editor.get() && wasResized)
        setSize (component.getWidth(), component.getHeight() + getTitleHeight());
}

void QuickEditorWindow::componentBeingDeleted (juce::Component& component)
{
    if (&component == editor.get())
        setVisible (false);
}

void QuickEditorWindow::buttonClicked (juce::Button* button)
{
    if (button != &closeButton)
        return;

    if (onClose)
        onClose();
    else
        setVisible (false);
}
