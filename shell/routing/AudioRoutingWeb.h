#pragma once

#include "RoutingNode.h"

// The render order of the routing web and the progress through one block.
class RoutingWebRenderer : public juce::ChangeBroadcaster,
                           public juce::WaitableEvent
{
public:
    RoutingWebRenderer() = default;
    ~RoutingWebRenderer() override = default;

    // Runs on the audio thread: every node of the order prepares for n samples.
    void beginBlock (int numSamples);
    // Runs on the audio thread: processes the nodes in order, each under its own lock.
    void render();

    void setEnabled (bool shouldBeEnabled) noexcept { enabled = shouldBeEnabled; }
    const juce::Array<RoutingNode*>& getRenderOrder() const noexcept { return renderOrder; }
    juce::CriticalSection& getWebLock() noexcept { return webLock; }

protected:
    juce::Array<RoutingNode*> renderOrder;
    int nextIndex = 0;
    int blockSize = 0;
    std::atomic<bool> enabled { true };
    juce::CriticalSection webLock;
};

// The routing web with the node whose output the host hears.
class AudioRoutingWeb : public RoutingWebRenderer
{
public:
    AudioRoutingWeb() = default;
    ~AudioRoutingWeb() override = default;

    void setRootNode (RoutingNode* node);
    RoutingNode* getRootNode() const noexcept { return dynamic_cast<RoutingNode*> (root.get()); }

    // Puts every node after all the nodes that feed it.
    void rebuildRenderOrder();

private:
    juce::WeakReference<AudioItem> root;
};
