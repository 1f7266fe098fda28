#include "XmlAbleFactoryProduct.h"
#include "XmlAbleFactory.h"

XmlAbleFactoryProduct::~XmlAbleFactoryProduct() = default;

juce::String XmlAbleFactoryProduct::getIconName() const
{
    if (auto* f = factory.get())
        return f->getIconName();

    return "star";
}

void XmlAbleFactoryProduct::setFactory (XmlAbleFactory* newFactory)
{
    factory = newFactory;
}

XmlAbleFactory* XmlAbleFactoryProduct::getFactory() const
{
    return factory.get();
}
