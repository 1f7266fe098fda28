#include "ParameterSourceGUI.h"

#include "framework/product/Product.h"

ParameterSourceGUI::ParameterSourceGUI (Product& shown)
    : product (&shown)
{
    shown.addChangeListener (this);
    rebuild();
}

ParameterSourceGUI::~ParameterSourceGUI()
{
    if (auto* p = product.get())
        p->removeChangeListener (this);
}

void ParameterSourceGUI::rebuild()
{
    sliders.clear();

    if (auto* p = product.get())
    {
        for (int i = p->getNumParameters(); --i >= 0;)
            addAndMakeVisible (sliders.add (new ToolbarSlider (i, p->getParameter (i), {}, false)));
    }

    resized();
}

void ParameterSourceGUI::resized()
{
    if (sliders.isEmpty())
        return;

    const int height = getHeight() / sliders.size();

    for (int i = 0; i < sliders.size(); ++i)
        sliders.getUnchecked (i)->setBounds (0, i * height, getWidth(), height);
}
