#include "BackgroundFileAdder.h"

#include "FileAdder.h"
#include "TaggedItem.h"

#include <memory>

BackgroundFileAdder::BackgroundFileAdder (Corvane& adding, const juce::StringArray& pathsToAdd, const juce::Array<int>& tags,
                                          std::atomic<double>& progressValue)
    : juce::Thread ("corvanefileadder"),
      owner (adding),
      library (&adding),
      paths (pathsToAdd),
      tagIds (tags),
      progress (progressValue)
{
}

BackgroundFileAdder::~BackgroundFileAdder()
{
    // The steps look for the request at every folder and every few thousand rows.
    stopThread (-1);
}

void BackgroundFileAdder::run()
{
    auto items = std::make_shared<juce::OwnedArray<TaggedItem>>();
    Corvane::AddFilesTimes times;
    FileAdder adder (owner, [this] (double p) { progress = p; }, [this] { return threadShouldExit(); });
    const auto succeeded = adder.addAll (paths, tagIds, *items, times);

    if (threadShouldExit())
        return;

    juce::MessageManager::callAsync ([target = library, items, times, succeeded]
                                     {
                                         if (auto* l = target.get())
                                             l->finishBackgroundAdd (*items, times, succeeded);
                                     });
}
