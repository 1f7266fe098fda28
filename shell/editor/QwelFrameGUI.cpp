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

    // Setting the limits resizes the editor; the frame's stored size must be read before.
    const auto width = frame.getGuiWidth();
    const auto height = frame.getGuiHeight();
    setResizable (true, true);
    setResizeLimits (200, 100, 8192, 8192);
    setSize (width, height);
    sizeKnown = true;
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
    if (sizeKnown)
        frame.setGuiSize (getWidth(), getHeight());

    if (productPanel != nullptr)
        productPanel->setBounds (getLocalBounds());
}

void QwelFrameGUI::changeListenerCallback (juce::ChangeBroadcaster*)
{
    repaint();
}
