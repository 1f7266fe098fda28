#pragma once

#include "NamedObject.h"
#include "XmlAbleFactoryProduct.h"

// Creates saved objects of one kind; products remember the factory that made them.
class XmlAbleFactory : public NamedObject
{
public:
    explicit XmlAbleFactory (const juce::String& nameOfFactory) : factoryName (nameOfFactory) {}
    ~XmlAbleFactory() override;

    juce::String getName() const override { return factoryName; }

    // Says which kind of object this factory makes.
    virtual juce::String getProductTypeName() const { return factoryName; }
    virtual juce::String getProductName() const { return factoryName; }
    virtual bool canCreate() const { return true; }
    virtual XmlAbleFactoryProduct* createProduct() = 0;
    virtual XmlAbleFactoryProduct* create (bool keepUnnamed = false);
    virtual juce::String getIconName() const { return "star"; }

private:
    juce::String factoryName;

    JUCE_DECLARE_WEAK_REFERENCEABLE (XmlAbleFactory)
};

// A factory of one product class.
template <class ProductClass>
class XmlAbleFactoryT : public XmlAbleFactory
{
public:
    using XmlAbleFactory::XmlAbleFactory;

    XmlAbleFactoryProduct* createProduct() override { return new ProductClass(); }
};
