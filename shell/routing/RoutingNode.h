#pragma once

#include "AudioItem.h"

// A node of the routing web: it knows the nodes that feed it and the ones it feeds, and is
// rendered once all its upstream nodes are.
class RoutingNode : public AudioItem
{
public:
    explicit RoutingNode (const juce::String& nodeName = {}) : AudioItem (nodeName) {}
    ~RoutingNode() override = default;

    virtual void refreshLinks();
    virtual void startOrdering() { orderingCount = upstream.size(); }
    virtual void markOrdered() { --orderingCount; }
    virtual void prepareBlock (int numSamples) { juce::ignoreUnused (numSamples); renderCount = upstream.size(); }
    virtual void process() {}
    virtual void collectUpstreamNodes (juce::Array<RoutingNode*>&) {}
    virtual void collectDownstreamNodes (juce::Array<RoutingNode*>&) {}
    virtual int getOwnLatency() const { return 0; }
    virtual int getLatency() const;
    virtual void applyLatencyCompensation() {}
    virtual void renderBlock (int numSamples) { juce::ignoreUnused (numSamples); }

    const juce::Array<RoutingNode*>& getUpstreamNodes() const noexcept { return upstream; }
    const juce::Array<RoutingNode*>& getDownstreamNodes() const noexcept { return downstream; }
    int getOrderingCount() const noexcept { return orderingCount; }
    int getRenderCount() const noexcept { return renderCount; }
    void lowerRenderCount() noexcept { --renderCount; }

    juce::CriticalSection& getNodeLock() noexcept { return nodeLock; }

protected:
    juce::Array<RoutingNode*> upstream, downstream;
    int orderingCount = 0;
    int renderCount = 0;

private:
    juce::CriticalSection nodeLock;
};
