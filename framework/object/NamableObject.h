#pragma once

#include "NamedObject.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A named object that can be renamed, for instance by editing a label that shows its name.
class NamableObject : public juce::Label::Listener,
                      public virtual NamedObject
{
public:
    ~NamableObject() override;

    void labelTextChanged (juce::Label* label) override;
    void editorShown (juce::Label*, juce::TextEditor&) override {}

    virtual void setName (const juce::String& newName) = 0;
    virtual bool isNameReadOnly() const { return false; }

    // When set, the next label that shows this object opens its editor at once.
    void setEditOnShow (bool shouldEdit) noexcept { editOnShow = shouldEdit; }
    bool getEditOnShow() const noexcept { return editOnShow; }

private:
    bool editOnShow = false;

    JUCE_DECLARE_WEAK_REFERENCEABLE (NamableObject)
};
