#include "CorvaneProduct.h"

#include "shell/processor/QwelStudioFrame.h"

CorvaneProduct::CorvaneProduct (QwelFrame& frame)
    : Product (frame, "Corvane")
{
    setName ("Corvane");

    if (auto* studio = dynamic_cast<QwelStudioFrame*> (&frame))
        studio->setAudioOutputPort (getOutputPort());

    // The displays may only be asked on the message thread; hosts create instances elsewhere
    // too, and then the size follows as soon as the message thread gets to it.
    auto* mm = juce::MessageManager::getInstanceWithoutCreating();
    if (mm != nullptr && mm->currentThreadHasLockedMessageManager())
    {
        applyDefaultEditorSize (frame);
    }
    else
    {
        juce::WeakReference<QwelFrame> weakFrame (&frame);
        juce::MessageManager::callAsync ([weakFrame]
        {
            if (auto* f = weakFrame.get())
                applyDefaultEditorSize (*f);
        });
    }
}

void CorvaneProduct::applyDefaultEditorSize (QwelFrame& frame)
{
    // A size restored from the host's state wins over the default.
    if (frame.hasRestoredGuiSize())
        return;

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
