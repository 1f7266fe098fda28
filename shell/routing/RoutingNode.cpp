#include "RoutingNode.h"

void RoutingNode::refreshLinks()
{
    upstream.clearQuick();
    downstream.clearQuick();
    collectUpstreamNodes (upstream);
    collectDownstreamNodes (downstream);
}

int RoutingNode::getLatency() const
{
    int upstreamLatency = 0;
    for (auto* node : upstream)
        upstreamLatency = juce::jmax (upstreamLatency, node->getLatency());

    return upstreamLatency + getOwnLatency();
}
