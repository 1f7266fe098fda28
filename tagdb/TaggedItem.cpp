#include "TaggedItem.h"

#include "Corvane.h"
#include "SQLLiteDB.h"
#include "SQLitePrepared.h"
#include "framework/folders/WisedFile.h"
#include "framework/folders/WisedFileList.h"

#include <sqlite3.h>

TaggedItem::TaggedItem (Corvane* owner, int itemId, const juce::String& itemType, double itemRating)
    : SimpleTaggedItem ({}, itemType, {}),
      library (owner),
      id (itemId),
      rating (itemRating)
{
}

TaggedItem::TaggedItem (const TaggedItem& other)
    : FileReciever(),
      SimpleTaggedItem()
{
    copyFrom (other);
}

TaggedItem::~TaggedItem()
{
    masterReference.clear();
}

juce::File TaggedItem::getFile() const
{
    if (! loaded)
        const_cast<TaggedItem*> (this)->load();

    return file;
}

juce::String TaggedItem::getType() const
{
    if (type.isEmpty())
        const_cast<TaggedItem*> (this)->load();

    return type;
}

void TaggedItem::prepare()
{
    if (! loaded)
        load();
}

void TaggedItem::stopPreview()
{
    if (auto* owner = library.get())
        owner->stopPreview();
}

juce::String TaggedItem::getIconName() const
{
    if (auto* owner = library.get())
        if (auto* filter = owner->getTypeFilter (type))
            return filter->getDescriptor().getIconName();

    return "star";
}

void TaggedItem::setQuality (double newRating)
{
    if (rating == newRating)
        return;

    rating = newRating;
    sendChangeMessage();
}

bool TaggedItem::load()
{
    loaded = false;

    auto* owner = library.get();
    if (owner == nullptr)
        return false;

    auto connection = owner->getDatabase().openConnection();
    if (connection == nullptr)
        return false;

    SQLitePrepared select (*connection, "SELECT path,name,type FROM data WHERE id=?");
    select.bindInt (1, id);

    if (select.step() != SQLITE_ROW)
        return false;

    const auto path = select.getText (0);
    file = juce::File::isAbsolutePath (path) ? juce::File (path) : juce::File();
    setName (select.getText (1));
    type = select.getText (2);
    loaded = true;
    return true;
}

void TaggedItem::store()
{
    auto* owner = library.get();
    if (owner == nullptr)
        return;

    // An item that never read its row would otherwise blank the row's name (and path).
    if (! loaded && id > 0)
    {
        const auto receivedFile = file;
        if (load() && fileChanged)
            file = receivedFile;
    }

    auto& database = owner->getDatabase();
    const auto path = file.getFullPathName();

    if (! fileChanged && file.existsAsFile())
        if (const auto known = database.queryInt ("SELECT id FROM data WHERE path=?", { path }); known > 0)
            id = known;

    if (id < 1)
    {
        owner->queryWithArgs ("INSERT INTO data (path,type,name,date) VALUES (?,?,?, current_timestamp )",
                      { path, owner->detectType (file), getName() });

        if (database.getLastResultCode() == SQLITE_DONE)
            id = database.getLastInsertRowId();
    }
    else
    {
        owner->queryWithArgs ("UPDATE data SET path=?, name=? WHERE id=?", { path, getName(), id });
    }

    owner->getResults().restartSearch();
    fileChanged = false;
}

void TaggedItem::receiveFile (const juce::File& newFile)
{
    file = newFile;
    fileChanged = true;
    store();
}

void TaggedItem::locate()
{
    if (! loaded)
        load();

    if (id <= 0 || file.exists())
        return;

    WisedFileList::getInstance()->addFile (new WisedFile (file, this));
}

void TaggedItem::copyFrom (const TaggedItem& other)
{
    if (! other.loaded)
        const_cast<TaggedItem&> (other).load();

    loaded = other.loaded;
    library = other.library;
    id = other.id;
    tags = other.tags;
    file = other.file;
    setName (other.getName());
    rating = other.rating;
    type = other.type;
}

TaggedItem::UndoableDeleteAction::UndoableDeleteAction (const juce::Array<int>& fileIds, Corvane* owner)
    : library (owner),
      ids (fileIds)
{
}

bool TaggedItem::UndoableDeleteAction::setDeleted (int flag)
{
    auto* owner = library.get();
    if (owner == nullptr)
        return false;

    owner->markDeleted (ids, flag != 0);
    return true;
}

TaggedItem::UndoableChangeAction::UndoableChangeAction (TaggedItem& liveItem, const TaggedItem& changed)
    : live (&liveItem)
{
    liveItem.prepare();
    before = std::make_unique<TaggedItem> (liveItem);
    after = std::make_unique<TaggedItem> (changed);
}

TaggedItem::UndoableChangeAction::~UndoableChangeAction() = default;

bool TaggedItem::UndoableChangeAction::apply (TaggedItem& state)
{
    state.store();

    if (auto* item = live.get())
        item->copyFrom (state);
    else if (auto* owner = state.getLibrary())
        owner->getResults().restartSearch();

    return true;
}
