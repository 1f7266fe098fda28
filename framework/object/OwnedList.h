#pragma once

#include "List.h"
#include "ListItem.h"

// A list that owns its items and deletes them, from the last to the first, when it goes.
// Taking an item out never deletes it: ListItem::moveTo hands it on to another owner.
template <class ItemClass>
class OwnedList : public List,
                  public juce::ListBoxModel
{
public:
    explicit OwnedList (ListItemFactory* itemFactory = nullptr) : List (itemFactory) {}
    ~OwnedList() override { deleteAllItems(); }

    int size() const override { return items.size(); }
    ListItem* getItem (int index) const override { return items[index]; }
    ItemClass* getTypedItem (int index) const { return items[index]; }
    // Searches from the start; an absent item answers −1.
    int indexOf (const ListItem* item) const override
    {
        for (int i = 0; i < items.size(); ++i)
            if (static_cast<const ListItem*> (items.getUnchecked (i)) == item)
                return i;

        return -1;
    }

    void removeItem (ListItem* item) override
    {
        const auto index = indexOf (item);
        if (index < 0)
            return;

        items.remove (index);
        // The selection must not keep an item that may be deleted elsewhere.
        getSelection().deselect (item);
        sendChangeMessage();
    }

    // A negative index, or one beyond the end, appends.
    void insertItem (ListItem* item, int index) override
    {
        if (auto* typed = dynamic_cast<ItemClass*> (item); typed != nullptr && indexOf (item) < 0)
            items.insert (index < 0 || index > items.size() ? -1 : index, typed);

        sendChangeMessage();
    }

    int getNumRows() override { return size(); }

    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool rowIsSelected) override
    {
        if (rowIsSelected)
            g.fillAll (juce::Colour (0xff3a5f7f));

        g.setColour (juce::Colour (0x40000000));
        g.fillRect (0, height - 1, width, 1);

        if (auto* item = getItem (row))
        {
            g.setColour (juce::Colours::white);
            g.drawText (item->getName(), 4, 0, width - 8, height, juce::Justification::centredLeft, true);
        }
    }

protected:
    void deleteAllItems()
    {
        for (int i = items.size(); --i >= 0;)
        {
            auto* item = items.removeAndReturn (i);
            getSelection().deselect (item);
            delete item;
        }
    }

private:
    juce::Array<ItemClass*> items;
};
