#include "ParameterPopup.h"

#include "Parameter.h"
#include "ParameterAnalyzer.h"
#include "framework/look/PlinthLook.h"
#include "framework/look/SVGIcon.h"
#include "framework/object/ServiceLookup.h"

ParameterPopup::ParameterPopup (Parameter* shown, ParameterSlider* openedFrom)
    : parameter (shown),
      origin (openedFrom),
      slider (1, shown, {}, true)
{
    title.setText (shown != nullptr ? shown->getDisplayName() : juce::String(), juce::dontSendNotification);
    title.setInterceptsMouseClicks (false, false);
    title.setFont (juce::Font (12.0f));
    addAndMakeVisible (title);
    addAndMakeVisible (slider);

    auto icon = SVGIcon::getInstance()->getIcon ("expand");
    auto iconOn = SVGIcon::getInstance()->getIcon ("expand", true);
    expandButton.setImages (icon.get(), iconOn.get());
    expandButton.addListener (this);
    addAndMakeVisible (expandButton);

    updateSize();
}

ParameterPopup::~ParameterPopup()
{
    expandButton.removeListener (this);
}

Parameter* ParameterPopup::getParameter() const
{
    return parameter.get();
}

juce::CriticalSection& ParameterPopup::getLock()
{
    return findLock (this);
}

QwelHistory* ParameterPopup::getHistory()
{
    return findHistory (this);
}

void ParameterPopup::updateSize()
{
    const int row = PlinthLook::controlSize;
    const juce::Font font (12.0f);
    const int textWidth = juce::jmax (font.getStringWidth (title.getText()),
                                      font.getStringWidth (parameter != nullptr ? parameter->getText() : juce::String()));
    const int width = juce::jmax (3 * row, textWidth + 10 + (expandButton.isEnabled() ? row : 0));
    const int height = 2 * row + (detail != nullptr ? detail->getHeight() : 0);
    setSize (detail != nullptr ? juce::jmax (width, detail->getWidth()) : width, height);
}

void ParameterPopup::buttonClicked (juce::Button* button)
{
    if (button != &expandButton)
        return;

    if (detail != nullptr)
    {
        detail.reset();
    }
    else
    {
        detail = std::make_unique<ParameterAnalyzer> (parameter.get());
        addAndMakeVisible (*detail);
    }

    updateSize();
    resized();
}

void ParameterPopup::resized()
{
    const int row = PlinthLook::controlSize;
    auto area = getLocalBounds();
    auto top = area.removeFromTop (row);
    expandButton.setBounds (top.removeFromRight (row).reduced (2));
    title.setBounds (top);
    slider.setBounds (area.removeFromTop (row));

    if (detail != nullptr)
        detail->setBounds (area.withHeight (detail->getHeight()));
}

void ParameterPopup::paint (juce::Graphics& g)
{
    juce::ignoreUnused (g);
}

void ParameterPopup::mouseDown (const juce::MouseEvent& event)
{
    if (auto* panel = getParentComponent())
        dragger.startDraggingComponent (panel, event.getEventRelativeTo (panel));
}

void ParameterPopup::mouseDrag (const juce::MouseEvent& event)
{
    if (auto* panel = getParentComponent())
        dragger.dragComponent (panel, event.getEventRelativeTo (panel), nullptr);
}
