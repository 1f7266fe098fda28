#include "Product.h"

#include "shell/processor/QwelFrame.h"

Product::Product (QwelFrame& hostFrame, const juce::String& productName)
    : frame (&hostFrame)
{
    setName (productName);
    hostFrame.setProduct (this);
}

Product::~Product() = default;

QwelFrame* Product::getFrame() const
{
    return frame.get();
}
