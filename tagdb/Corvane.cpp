#include "Corvane.h"
#include "framework/folders/DataFolders.h"

#include "BackgroundFileAdder.h"
#include "DefaultTagNames.h"
#include "FileAdder.h"
#include "SQLLiteStatement.h"
#include "SQLitePrepared.h"
#include "TaggedAIFFFile.h"
#include "TaggedCoreAudioFile.h"
#include "TaggedFLACFile.h"
#include "TaggedItem.h"
#include "TaggedWAVFile.h"
#include "framework/parameters/ParameterPropertyComp.h"
#include "framework/parameters/Translate.h"
#include "framework/plugins/PluginCatalogue.h"
#include "shell/processor/AudioFormatManagerEx.h"

#include <sqlite3.h>

#include <sstream>

namespace
{
struct TableSchema
{
    const char* check;
    const char* drop;
    const char* create;
};

const TableSchema dataTable { "SELECT id,name,path,type,date,size,deleted,quality FROM data", "DROP TABLE data",
                              "CREATE TABLE data (deleted NUMERIC default 0,size NUMERIC,date DATE, name TEXT, type TEXT, id INTEGER PRIMARY KEY, path TEXT UNIQUE,quality NUMERIC default -1)" };
const TableSchema tagsTable { "SELECT sort,parent,name,id,col,deleted FROM tags", "DROP TABLE tags",
                              "CREATE TABLE tags (deleted Numeric default 0,  col Numeric, sort Numeric, parent NUMERIC, name TEXT, id INTEGER PRIMARY KEY)" };
const TableSchema linksTable { "select file,tag from tags_files", "drop table tags_files",
                               "CREATE TABLE tags_files (  file NUMERIC, tag NUMERIC , UNIQUE (file,tag))" };
const TableSchema pathsTable { "select id, path from paths", "drop table paths",
                               "CREATE TABLE paths ( path TEXT, id INTEGER PRIMARY KEY)" };

juce::StringArray splitNames (const juce::String& text)
{
    juce::StringArray pieces;
    int start = 0;

    for (int i = text.indexOfChar (';'); i >= 0; i = text.indexOfChar (start, ';'))
    {
        pieces.add (text.substring (start, i));
        start = i + 1;
    }

    pieces.add (text.substring (start));
    return pieces;
}

} // namespace

Corvane::Corvane (const juce::File& databaseFile, const juce::File& tagsFile)
    : SQLLiteDBClient (&database, false),
      defaultTagsFile (tagsFile)
{
    database.addClient (this);

    // Both format lists are made here, on the message thread, before any worker asks them.
    auto& formats = AudioFormatManagerEx::getInstance();
    if (formats.getNumKnownFormats() == 0)
        formats.registerBasicFormats();

    PluginCatalogue::getInstance();

    // A file that cannot serve as a library (not SQLite, not writable) leaves the library on
    // the default database, so that it stays usable.
    results.addChangeListener (this);

    const auto usable = databaseFile.existsAsFile() && openDatabase (databaseFile);
    if (! usable)
        openDatabase (getDefaultDatabaseFile());

    auto& labels = Translate::getInstance();
    rating.setDisplayName (labels.translate ("Corvane", "quality"));
    listen.setDisplayName (labels.translate ("Corvane", "autoListen"));
    random.setDisplayName (labels.translate ("Corvane", "random"));
    random.setUndoable (false);
    random.addListener (this);
    nameFilter.setName ("", false);

    listenToFilters (true);

    reloadTags();
    grid.requestCountUpdate (true);
    filterChanged();
}

Corvane::~Corvane()
{
    listenToFilters (false);
    results.removeChangeListener (this);
    random.removeListener (this);
    for (auto* filter : typeFilters)
        filter->getParameter().removeListener (this);

    backgroundAdder.reset();
    results.stopSearch();
    removeOrphanLinks();
    masterReference.clear();
}

void Corvane::listenToFilters (bool shouldListen)
{
    juce::Array<juce::ChangeBroadcaster*> sources { &grid.getCheckedTags(), &grid.getQualityFilter(),
                                                    &grid.getUnratedSwitch(), &nameFilter, &rating };

    for (auto* source : sources)
    {
        if (shouldListen)
            source->addChangeListener (this);
        else
            source->removeChangeListener (this);
    }
}

void Corvane::filterChanged()
{
    results.restartSearch();
    grid.requestCountUpdate (false);
}

void Corvane::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (source == &results)
    {
        grid.searchProgressed();
        selectionChanged();
    }
    else if (source == &rating)
        setQuality (results.getSelectedItems(), rating.getValue());
    else
        filterChanged();
}

void Corvane::parameterChanged (Parameter*)
{
    filterChanged();
}

void Corvane::selectionChanged()
{
    // Rows arriving from a search announce themselves like a click; only a click previews.
    if (results.getSelectionCount() == handledSelection)
        return;

    handledSelection = results.getSelectionCount();
    auto* item = results.getCurrentItem();
    if (item == nullptr || ! listen.isOn())
        return;

    // Shown without an undo entry; when it differs, the rating's change message then writes it
    // to every selected item.
    rating.setValue (nullptr, {}, true, item->getQuality());
    previewItem (*item, results.getLastClickModifiers());
}

void Corvane::previewItem (TaggedItem& item, juce::ModifierKeys modifiers)
{
    if (modifiers.isAltDown())
        return;

    item.locate();

    auto* filter = getTypeFilter (item.getType());
    if (filter == nullptr)
        return;

    if (auto* handler = filter->getHandler())
    {
        auto copy = std::make_unique<TaggedItem> (item);
        if (handler->canHandleTaggedItem (*copy))
            handler->handleTaggedItem (copy.release(), true);
    }
}

juce::String Corvane::buildFilter (bool full)
{
    juce::String filter (" AND deleted = 0 ");

    const auto types = getEnabledTypes();
    if (! types.isEmpty())
        filter << " AND type IN(" << types.joinIntoString (",") << ")";

    const auto qualityFilter = grid.getQualityFilter().getValue();

    if (full && nameFilter.getName().isNotEmpty())
        filter << " AND name LIKE ?1 ESCAPE '\\'";

    // Unrated files are those without a positive rating: the bulk add stores 0, a row made
    // without a rating holds the column default -1, and old rows may hold NULL.
    if (full && qualityFilter > 0.0)
        filter << " AND (  quality >=" << formatRating (qualityFilter)
               << (grid.getUnratedSwitch().getValue() != 0.0 ? " OR quality <= 0 OR quality IS NULL" : "") << " )";

    if (! full || random.getValue() == 0.0)
        filter << (qualityFilter != 0.0 ? " ORDER BY quality DESC" : " ORDER BY id DESC");
    else
        filter << " ORDER BY random()";

    return filter;
}

juce::String Corvane::escapeLike (const juce::String& text)
{
    return text.replace ("\\", "\\\\").replace ("%", "\\%").replace ("_", "\\_");
}

juce::String Corvane::getNamePattern() const
{
    return "%" + escapeLike (nameFilter.getName()) + "%";
}

std::unique_ptr<juce::XmlElement> Corvane::createXml()
{
    auto element = std::make_unique<juce::XmlElement> (getXmlTag());
    element->setAttribute ("type", getTypeName());
    return element;
}

juce::Array<Parameter*> Corvane::getSavedParameters()
{
    return { &grid.getRowsParameter(), &grid.getColsParameter(), &getPreviewVolume(), &listen, &random };
}

void Corvane::writeAttributes (juce::XmlElement& element, int mode)
{
    for (auto* parameter : getSavedParameters())
        parameter->savePreset (element, mode);
}

void Corvane::readAttributes (const juce::XmlElement& element, int mode, QwelHistory* history)
{
    for (auto* parameter : getSavedParameters())
        parameter->loadPreset (element, mode, history);

    results.restartSearch();
}

juce::Array<juce::PropertyComponent*> Corvane::getProperties()
{
    return { new ParameterPropertyComp (&grid.getColsParameter()), new ParameterPropertyComp (&grid.getRowsParameter()) };
}

juce::File Corvane::getDefaultDatabaseFile()
{
    return DataFolders::userApplicationData()
        .getChildFile ("Qwel")
        .getChildFile ("Corvane")
        .getChildFile ("default.db");
}

juce::File Corvane::getDefaultTagsFile()
{
    return DataFolders::commonApplicationData()
        .getChildFile ("Qwel")
        .getChildFile ("Corvane")
        .getChildFile ("defaultTags.txt");
}

bool Corvane::openDatabase (const juce::File& file)
{
    if (! file.existsAsFile() && ! file.create())
        return false;

    if (! database.setDatabaseFile (file))
        return false;

    const juce::ScopedLock sl (database.getLock());

    ensureTable (dataTable.check, dataTable.drop, dataTable.create);

    if (ensureTable (tagsTable.check, tagsTable.drop, tagsTable.create))
    {
        fillDefaultTags();
        reloadTags();
    }

    ensureTable (linksTable.check, linksTable.drop, linksTable.create);
    // The search looks files up by tag; the table's own index serves lookups by file.
    query ("CREATE INDEX IF NOT EXISTS tags_files_tag ON tags_files (tag, file)");
    // A rating filter lists the best rated first: this index hands them over in that order
    // (equal ratings newest first), so the first rows show before the rest are found.
    query ("CREATE INDEX IF NOT EXISTS data_quality ON data (quality)");
    ensureTable (pathsTable.check, pathsTable.drop, pathsTable.create);
    return true;
}

// Answers true when the table was (re)created. Only a check that fails as plain SQL (a missing
// table or column) drops the table: a busy, locked or unreadable file never loses its rows.
bool Corvane::ensureTable (const juce::String& check, const juce::String& drop, const juce::String& create)
{
    if (database.statementCompiles (check) || database.getLastResultCode() != SQLITE_ERROR)
        return false;

    query (drop);
    query (create);
    return database.statementCompiles (check);
}

bool Corvane::fillDefaultTags()
{
    const auto names = DefaultTagNames::read (defaultTagsFile);

    return database.writeInTransaction ([&] (SQLiteConnection& connection)
    {
        SQLitePrepared insert (connection, "INSERT INTO tags (name,col,deleted,sort) VALUES (?,?,0,?)");

        for (int column = DefaultTagNames::numColumns; --column >= 0;)
        {
            for (int sort = DefaultTagNames::numPositions; --sort >= 0;)
            {
                const auto pieces = splitNames (names[sort + DefaultTagNames::numPositions * column]);

                for (int i = pieces.size(); --i >= 0;)
                {
                    insert.bindText (1, pieces[i].isNotEmpty() ? pieces[i] : juce::String ("unnamed"));
                    insert.bindInt (2, column);
                    insert.bindInt (3, sort);
                    insert.step();
                    insert.reset();
                }
            }
        }
    });
}

bool Corvane::changeDatabaseFile (const juce::File& file)
{
    if (file == database.getDatabaseFile())
        return true;

    if (! database.setDatabaseFile (file))
        return false;

    reloadTags();
    return true;
}

bool Corvane::addFiles (const juce::StringArray& paths, juce::Array<int> tagIds)
{
    if (tagIds.isEmpty())
        tagIds = grid.getCheckedTags().getItemArray();

    reportProgress (0.0);
    results.stopSearch();
    results.clear();

    juce::OwnedArray<TaggedItem> items;
    AddFilesTimes times;
    FileAdder adder (*this, [this] (double p) { reportProgress (p); });
    const auto succeeded = adder.addAll (paths, tagIds, items, times);

    showAddedFiles (items, times);
    return succeeded;
}

bool Corvane::addFilesInBackground (const juce::StringArray& paths, juce::Array<int> tagIds,
                                    std::function<void (bool)> onDone)
{
    if (backgroundAdder != nullptr)
        return false;

    if (tagIds.isEmpty())
        tagIds = grid.getCheckedTags().getItemArray();

    reportProgress (0.0);
    onBackgroundAddDone = std::move (onDone);
    backgroundAdder = std::make_unique<BackgroundFileAdder> (*this, paths, tagIds, addProgress);
    backgroundAdder->startThread();
    return true;
}

void Corvane::finishBackgroundAdd (juce::OwnedArray<TaggedItem>& items, const AddFilesTimes& times, bool succeeded)
{
    backgroundAdder.reset();
    showAddedFiles (items, times);

    if (auto done = std::move (onBackgroundAddDone))
        done (succeeded);
}

void Corvane::showAddedFiles (juce::OwnedArray<TaggedItem>& items, const AddFilesTimes& times)
{
    results.stopSearch();
    results.clear();

    for (int i = 0; i < items.size(); ++i)
        results.add (items.getUnchecked (i), true);

    items.clearQuick (false);
    results.selectAll();
    grid.requestCountUpdate (true);

    lastAddTimes = times;
    reportProgress (1.0);
    addProgress = -1.0;
}

void Corvane::collectFiles (const juce::File& file, juce::Array<FileEntry>& entries)
{
    FileAdder (*this, {}).collect (file, entries);
}

juce::Array<int> Corvane::insertFiles (const juce::Array<FileEntry>& entries, const juce::Array<int>& tagIds)
{
    results.stopSearch();
    results.clear();

    juce::OwnedArray<TaggedItem> items;
    const auto ids = FileAdder (*this, {}).write (entries, tagIds, items);

    for (int i = 0; i < items.size(); ++i)
        results.add (items.getUnchecked (i), true);

    items.clearQuick (false);
    return ids;
}

bool Corvane::linkTags (const juce::Array<int>& fileIds, const juce::Array<int>& tagIds)
{
    return FileAdder (*this, {}).link (fileIds, tagIds);
}

void Corvane::addFileWithTags (const juce::String& name, const juce::String& type, const juce::String& path,
                               const juce::Array<int>& tagIds)
{
    {
        const juce::ScopedLock sl (database.getLock());
        int fileId = database.queryInt ("SELECT id FROM data WHERE path = ?", { path });

        if (fileId < 1)
        {
            queryWithArgs ("INSERT INTO data (name,path,type,date) VALUES (?,?,?, current_timestamp)", { name, path, type });
            fileId = database.getLastResultCode() == SQLITE_DONE ? database.getLastInsertRowId()
                                                              : database.queryInt ("SELECT id FROM data WHERE path = ?", { path });
        }
        else if (database.queryInt ("SELECT deleted FROM data WHERE id=?", { fileId }) > 0)
        {
            // A deleted file that comes back starts afresh: new name and type, new links.
            queryWithArgs ("DELETE FROM tags_files WHERE file=?", { fileId });
            queryWithArgs ("UPDATE data SET deleted=0 , type=? , name=? WHERE id=?;", { type, name, fileId });
        }

        if (fileId > 0)
            for (auto tagId : tagIds)
                queryWithArgs ("INSERT INTO tags_files (file,tag) values (?,?)", { fileId, tagId });
    }

    results.restartSearch();
    grid.requestCountUpdate (true);
}

bool Corvane::setQuality (const juce::Array<TaggedItem*>& items, double newRating)
{
    if (! std::isfinite (newRating))
        return false;

    const auto stored = database.writeInTransaction ([&] (SQLiteConnection& connection)
    {
        SQLitePrepared update (connection, "UPDATE data SET quality=" + formatRating (newRating) + " WHERE id=?");

        for (int i = items.size(); --i >= 0;)
        {
            update.bindInt (1, items.getUnchecked (i)->getId());
            update.step();
            update.reset();
        }
    });

    // The items show what the library holds: a rating that could not be stored is not shown.
    if (stored)
        for (int i = items.size(); --i >= 0;)
            items.getUnchecked (i)->setQuality (newRating);

    return stored;
}

bool Corvane::runForEachId (const juce::String& sql, const juce::Array<int>& fileIds)
{
    return database.writeInTransaction ([&] (SQLiteConnection& connection)
    {
        SQLitePrepared statement (connection, sql);

        for (int i = fileIds.size(); --i >= 0;)
        {
            statement.bindInt (1, fileIds.getUnchecked (i));
            statement.step();
            statement.reset();
        }
    });
}

bool Corvane::addTagToFiles (const juce::Array<int>& fileIds, int tagId)
{
    const auto stored = runForEachId ("INSERT INTO tags_files (file,tag) VALUES (?," + juce::String (tagId) + ")", fileIds);
    grid.requestCountUpdate (true);
    return stored;
}

bool Corvane::removeTagFromFiles (const juce::Array<int>& fileIds, int tagId)
{
    const auto stored = runForEachId ("DELETE FROM tags_files WHERE tag=" + juce::String (tagId) + " AND file=?", fileIds);
    grid.requestCountUpdate (true);
    return stored;
}

bool Corvane::markDeleted (const juce::Array<int>& fileIds, bool deleted)
{
    bool stored = false;

    {
        SQLLiteStatement statement (deleted ? "UPDATE data SET deleted=1 WHERE id=?" : "UPDATE data SET deleted=0 WHERE id=?",
                                    &database);
        for (auto fileId : fileIds)
            statement.execute ({ fileId });

        stored = statement.commit();
    }

    results.restartSearch();
    grid.requestCountUpdate (true);
    return stored;
}

void Corvane::removeOrphanLinks()
{
    query ("DELETE FROM tags_files WHERE tag NOT IN (SELECT id FROM tags) OR file NOT IN (SELECT id FROM data)");
}

juce::String Corvane::escapeQuotes (const juce::String& text)
{
    return text.replace ("'", "''");
}

juce::String Corvane::formatRating (double rating)
{
    std::ostringstream out;
    out.imbue (std::locale::classic());
    out.precision (6);
    out << rating;
    return out.str();
}

void Corvane::addTag (const juce::String& text, int column, int sort, std::function<void()> onAdded)
{
    if (text.isNotEmpty())
    {
        createTags (text, column, sort);

        if (onAdded)
            onAdded();

        return;
    }

    auto* window = new juce::AlertWindow ("add tag", "add multiple text by dividing texts with a \";\"",
                                          juce::MessageBoxIconType::QuestionIcon);
    window->addTextEditor ("text", {});
    window->addButton ("ok", 1, juce::KeyPress (juce::KeyPress::returnKey), juce::KeyPress (juce::KeyPress::spaceKey));
    window->addButton ("cancel", 2, juce::KeyPress (juce::KeyPress::escapeKey), juce::KeyPress (juce::KeyPress::endKey));

    juce::WeakReference<Corvane> self (this);
    juce::Component::SafePointer<juce::AlertWindow> dialog (window);

    window->enterModalState (true, juce::ModalCallbackFunction::create ([self, dialog, column, sort, onAdded] (int result)
                                                                        {
                                                                            if (result != 1 || self == nullptr || dialog == nullptr)
                                                                                return;

                                                                            self->createTags (dialog->getTextEditorContents ("text"), column, sort);

                                                                            if (onAdded)
                                                                                onAdded();
                                                                        }),
                             true);
}

void Corvane::createTags (const juce::String& text, int column, int sort)
{
    const auto pieces = splitNames (text);

    for (int i = pieces.size(); --i >= 0;)
        queryWithArgs ("INSERT INTO tags (name,col,deleted,sort) VALUES (?," + juce::String (column) + ",0," + juce::String (sort) + ")",
               { pieces[i].isNotEmpty() ? pieces[i] : juce::String ("unnamed") });
}

void Corvane::reloadTags()
{
    juce::OwnedArray<Tag> loaded;

    {
        const juce::ScopedLock sl (database.getLock());
        query ("SELECT col,name,id,sort FROM tags WHERE deleted = 0 ORDER BY sort");

        // A file that cannot be read now keeps the tags on screen rather than emptying the grid.
        auto* rows = database.getResultSets().getFirst();
        if (rows == nullptr)
            return;

        for (int i = rows->size(); --i >= 0;)
        {
            const auto& row = *rows->getUnchecked (i);
            loaded.add (new Tag (this, row[2].getIntValue(), row[0].getIntValue(), row[1], row[3].getIntValue()));
        }
    }

    // The column lists point at the tags: they are rebuilt before the old tags go.
    tags.swapWith (loaded);
    grid.changeListenerCallback (&tags);
    loaded.clear();

    tags.sendChangeMessage();
}

void Corvane::registerFileType (TaggedItemTypeDescriptor* descriptor, TaggedItemHandler* handler)
{
    if (descriptor == nullptr)
        return;

    auto* filter = typeFilters.add (new TypeFilter (descriptor, handler));
    filter->getParameter().addListener (this);
    typeFilterMap.set (descriptor->getTypeName(), filter);
}

void Corvane::registerFileTypes()
{
    registerFileType (new TaggedFLACFile(), getPreviewHandler());
    registerFileType (new TaggedWAVFile(), getPreviewHandler());
    registerFileType (new TaggedAIFFFile(), getPreviewHandler());
    registerFileType (new TaggedCoreAudioFile(), getPreviewHandler());
}

juce::StringArray Corvane::getEnabledTypes() const
{
    juce::StringArray enabled;

    for (juce::HashMap<juce::String, TypeFilter*>::Iterator i (typeFilterMap); i.next();)
        if (i.getValue()->isEnabled())
            enabled.add ("'" + i.getKey() + "'");

    return enabled;
}

juce::String Corvane::detectType (const juce::File& file) const
{
    auto& formats = AudioFormatManagerEx::getInstance();

    for (int i = 0; i < formats.getNumKnownFormats(); ++i)
        if (auto* format = formats.getKnownFormat (i); format != nullptr && format->canHandleFile (file))
            return format->getFormatName();

    return PluginCatalogue::getInstance().findFormatNameFor (file);
}

TypeFilter* Corvane::getTypeFilter (const juce::String& typeName) const
{
    return typeFilterMap[typeName];
}

void Corvane::reportProgress (double progress)
{
    addProgress = progress;

    if (juce::MessageManager::existsAndIsCurrentThread())
        progressListeners.call ([this, progress] (AddProgressListener& l) { l.addFilesProgressed (*this, progress); });
}
