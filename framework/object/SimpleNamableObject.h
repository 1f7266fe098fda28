#pragma once

#include "NamableObject.h"

// A namable object that stores its name itself.
class SimpleNamableObject : public virtual NamableObject
{
public:
    explicit SimpleNamableObject (const juce::String& initialName = {}) : objectName (initialName) {}
    ~SimpleNamableObject() override = default;

    virtual void setName (const juce::String& newName, bool forceNotification);
    void setName (const juce::String& newName) override { setName (newName, false); }
    juce::String getName() const override { return objectName; }

    virtual void setNameReadOnly (bool shouldBeReadOnly);
    bool isNameReadOnly() const override { return nameReadOnly; }

    virtual void nameChanged() { sendChangeMessage(); }

private:
    juce::String objectName;
    bool nameReadOnly = false;
};
