#include "ParameterAnalyzer.h"

#include "Parameter.h"
#include "framework/look/PlinthLook.h"

ParameterAnalyzer::ParameterAnalyzer (Parameter* inspected)
    : parameter (inspected)
{
    star.setClickingTogglesState (false);
    star.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (star);
    addAndMakeVisible (nameLabel);
    addAndMakeVisible (rangeLabel);
    nameLabel.setFont (juce::Font (12.0f));
    rangeLabel.setFont (juce::Font (11.0f));
    rangeLabel.setColour (juce::Label::textColourId, Palette::dimWhite);

    if (inspected != nullptr)
        inspected->addChangeListener (this);

    setSize (8 * PlinthLook::controlSize, 2 * PlinthLook::controlSize);
    update();
}

ParameterAnalyzer::~ParameterAnalyzer()
{
    if (auto* p = parameter.get())
        p->removeChangeListener (this);
}

void ParameterAnalyzer::update()
{
    auto* p = parameter.get();

    if (p == nullptr)
    {
        nameLabel.setText ("(gone)", juce::dontSendNotification);
        rangeLabel.setText ({}, juce::dontSendNotification);
        return;
    }

    star.setToggleState (p->getNumModulations() > 0, juce::dontSendNotification);
    nameLabel.setText (p->getDisplayName() + ": " + p->getText(), juce::dontSendNotification);
    rangeLabel.setText (juce::String (p->getMinimum(), 2) + " .. " + juce::String (p->getMaximum(), 2)
                            + "  (" + juce::String (p->getDefault(), 2) + ")",
                        juce::dontSendNotification);
    repaint();
}

void ParameterAnalyzer::resized()
{
    auto area = getLocalBounds();
    auto top = area.removeFromTop (PlinthLook::controlSize);
    star.setBounds (top.removeFromLeft (PlinthLook::controlSize).reduced (2));
    nameLabel.setBounds (top);
    rangeLabel.setBounds (area.removeFromTop (PlinthLook::controlSize).withTrimmedRight (4 * PlinthLook::controlSize));
}

void ParameterAnalyzer::paint (juce::Graphics& g)
{
    auto* p = parameter.get();

    if (p == nullptr)
        return;

    // Where the value sits in its range.
    auto meter = getLocalBounds().removeFromBottom (PlinthLook::controlSize).removeFromRight (4 * PlinthLook::controlSize)
                     .reduced (2, 5).toFloat();
    PlinthLook::fillRounded (g, Palette::panelDark, meter.getX(), meter.getY(), meter.getWidth(), meter.getHeight(), 2.0f);
    PlinthLook::fillRounded (g, Palette::accentBlue, meter.getX(), meter.getY(),
                             meter.getWidth() * (float) juce::jlimit (0.0, 1.0, p->getNormalized()), meter.getHeight(), 2.0f);
}
