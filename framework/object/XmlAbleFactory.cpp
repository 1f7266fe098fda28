#include "XmlAbleFactory.h"

XmlAbleFactory::~XmlAbleFactory() = default;

XmlAbleFactoryProduct* XmlAbleFactory::create (bool keepUnnamed)
{
    auto* product = createProduct();
    if (product == nullptr)
        return nullptr;

    product->setFactory (this);

    if (! keepUnnamed && product->getName().isEmpty())
        product->setName (getProductName());

    return product;
}
