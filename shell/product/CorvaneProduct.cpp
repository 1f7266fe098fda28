#include "CorvaneProduct.h"

#include "shell/processor/QwelStudioFrame.h"

CorvaneProduct::CorvaneProduct (QwelFrame& frame)
    : Product (frame, "Corvane")
{
    setName ("Corvane");

    if (auto* studio = dynamic_cast<QwelStudioFrame*> (&frame))
        studio->setAudioOutputPort (getOutputPort());

    if (auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
    {
        const auto size = defaultEditorSize (display->userArea);
        frame.setGuiSize (size.getWidth(), size.getHeight());
    }
}

CorvaneProduct::~CorvaneProduct() = default;

void CorvaneProduct::prepareToPlay (double, int)
{
}

juce::Rectangle<int> CorvaneProduct::defaultEditorSize (juce::Rectangle<int> userArea)
{
    return { (int) (userArea.getWidth() * 0.2), (int) (userArea.getHeight() * 0.8) };
}
