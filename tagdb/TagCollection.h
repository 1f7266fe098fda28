#pragma once

#include "Tag.h"

// Every loaded tag, by descending position; rebuilt by each reload, which it announces.
class TagCollection : public juce::OwnedArray<Tag>,
                      public juce::ChangeBroadcaster
{
public:
    Tag* findTag (int id) const;
};
