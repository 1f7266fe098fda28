#include "shell/product/CorvaneProduct.h"
#include "shell/processor/QwelStudioFrame.h"

// Every plug-in format calls this to make a new instance: the frame, with the product it owns.
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    auto* frame = new QwelStudioFrame();
    new CorvaneProduct (*frame);
    return frame;
}
