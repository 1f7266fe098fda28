#include "AudioRoutingWeb.h"

void RoutingWebRenderer::beginBlock (int numSamples)
{
    blockSize = numSamples;
    nextIndex = 0;

    for (int i = renderOrder.size(); --i >= 0;)
        renderOrder.getUnchecked (i)->prepareBlock (numSamples);
}

void RoutingWebRenderer::render()
{
    if (! enabled)
        return;

    // Nodes are rendered one after another on this thread, so a node's upstream nodes are
    // always done when its turn comes.
    while (nextIndex < renderOrder.size())
    {
        auto* node = renderOrder.getUnchecked (nextIndex);
        jassert (node->getRenderCount() <= 0);

        const juce::ScopedLock sl (node->getNodeLock());
        ++nextIndex;
        node->process();
    }
}

void AudioRoutingWeb::setRootNode (RoutingNode* node)
{
    const juce::ScopedLock sl (webLock);
    root = node;
}

void AudioRoutingWeb::rebuildRenderOrder()
{
    const juce::ScopedLock sl (webLock);

    renderOrder.clearQuick();

    auto* rootNode = getRootNode();
    if (rootNode == nullptr)
        return;

    juce::Array<RoutingNode*> collected;
    juce::Array<RoutingNode*> toVisit { rootNode };

    while (! toVisit.isEmpty())
    {
        auto* node = toVisit.removeAndReturn (toVisit.size() - 1);
        if (collected.contains (node))
            continue;

        node->refreshLinks();
        collected.add (node);

        for (auto* up : node->getUpstreamNodes())
            toVisit.add (up);
    }

    for (auto* node : collected)
        node->startOrdering();

    while (! collected.isEmpty())
    {
        int pick = -1;
        for (int i = collected.size(); --i >= 0;)
        {
            if (collected.getUnchecked (i)->getOrderingCount() == 0)
            {
                pick = i;
                break;
            }
        }

        // A cycle has no node left without pending inputs; render the rest as they stand.
        if (pick < 0)
            pick = collected.size() - 1;

        auto* node = collected.removeAndReturn (pick);
        node->markOrdered();
        for (auto* down : node->getDownstreamNodes())
            down->markOrdered();

        renderOrder.add (node);
    }
}
