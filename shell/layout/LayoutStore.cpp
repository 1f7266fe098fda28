#include "LayoutStore.h"

LayoutStore::~LayoutStore() = default;

void LayoutStore::setOverlayPanel (juce::Component* panel, const void* requestedBy)
{
    overlayPanel.reset (panel);
    owner = requestedBy;
}
