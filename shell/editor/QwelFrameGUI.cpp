#include "QwelFrameGUI.h"

#include "framework/product/Product.h"
#include "shell/processor/QwelFrame.h"

QwelFrameGUI::QwelFrameGUI (QwelFrame& frameToShow)
    : juce::AudioProcessorEditor (frameToShow),
      frame (frameToShow)
{
    setLookAndFeel (PlinthLook::getInstance().get());

    if (auto* product = frame.getProduct())
    {
        productPanel.reset (product->createParametersComponent());
        if (productPanel != nullptr)
            addAndMakeVisible (*productPanel);
    }

    setResizable (true, true);
    setResizeLimits (200, 100, 8192, 8192);
    setSize (frame.getGuiWidth(), frame.getGuiHeight());
    frame.addChangeListener (this);
}

QwelFrameGUI::~QwelFrameGUI()
{
    frame.removeChangeListener (this);
    productPanel.reset();
    setLookAndFeel (nullptr);
}

QwelHistory* QwelFrameGUI::getHistory()
{
    return frame.getHistory();
}

juce::CriticalSection& QwelFrameGUI::getLock()
{
    return frame.getProcessLock();
}

void QwelFrameGUI::paint (juce::Graphics& g)
{
    g.fillAll (findColour (juce::ResizableWindow::backgroundColourId));
}

void QwelFrameGUI::resized()
{
    frame.setGuiSize (getWidth(), getHeight());

    if (productPanel != nullptr)
        productPanel->setBounds (getLocalBounds());
}

void QwelFrameGUI::changeListenerCallback (juce::ChangeBroadcaster*)
{
    repaint();
}
