#include "CorvaneProduct.h"

#include "shell/processor/QwelStudioFrame.h"

CorvaneProduct::CorvaneProduct (QwelFrame& hostFrame)
    : Product (hostFrame, "Corvane")
{
    setName ("Corvane");

    if (auto* studio = dynamic_cast<QwelStudioFrame*> (&hostFrame))
        studio->setAudioOutputPort (getOutputPort());

    // The displays may only be asked on the message thread; hosts create instances elsewhere
    // too, and then the size follows as soon as the message thread gets to it.
    auto* mm = juce::MessageManager::getInstanceWithoutCreating();
    if (mm != nullptr && mm->currentThreadHasLockedMessageManager())
    {
        applyDefaultEditorSize (hostFrame);
    }
    else
    {
        juce::WeakReference<QwelFrame> weakFrame (&hostFrame);
        juce::MessageManager::callAsync ([weakFrame]
        {
            if (auto* f = weakFrame.get())
                applyDefaultEditorSize (*f);
        });
    }
}

void CorvaneProduct::applyDefaultEditorSize (QwelFrame& hostFrame)
{
    // A size restored from the host's state wins over the default.
    if (hostFrame.hasRestoredGuiSize())
        return;

    if (auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
    {
        const auto size = defaultEditorSize (display->userArea);
        hostFrame.setGuiSize (size.getWidth(), size.getHeight());
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
