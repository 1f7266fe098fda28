#include "BevelOverlayComp.h"

#include "PlinthLook.h"

BevelOverlayComp::BevelOverlayComp()
{
    setInterceptsMouseClicks (false, false);
}

void BevelOverlayComp::paintOverChildren (juce::Graphics& g)
{
    PlinthLook::drawBevel (g, Palette::panelGrey, getLocalBounds().toFloat(), 10.0f, 5.0f);
}
