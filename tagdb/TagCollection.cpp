#include "TagCollection.h"

Tag* TagCollection::findTag (int id) const
{
    for (auto* tag : *this)
        if (tag->getId() == id)
            return tag;

    return nullptr;
}
