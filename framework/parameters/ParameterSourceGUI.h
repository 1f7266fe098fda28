#pragma once

#include "ToolbarSlider.h"

class Product;

// A column of sliders for every parameter of a product, rebuilt whenever the product changes.
class ParameterSourceGUI : public juce::Component,
                           public juce::ChangeListener
{
public:
    explicit ParameterSourceGUI (Product& product);
    ~ParameterSourceGUI() override;

    int getNumSliders() const noexcept { return sliders.size(); }
    ToolbarSlider* getSlider (int index) const noexcept { return sliders[index]; }

    void changeListenerCallback (juce::ChangeBroadcaster*) override { rebuild(); }
    void resized() override;

private:
    void rebuild();

    juce::WeakReference<Product> product;
    juce::OwnedArray<ToolbarSlider> sliders;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParameterSourceGUI)
};
