#include "FileAdder.h"

#include "SQLitePrepared.h"
#include "SQLiteTransaction.h"
#include "TaggedItem.h"

#include <sqlite3.h>

#include <filesystem>
#include <unordered_set>

namespace
{
double millisecondsOf (juce::int64 ticks)
{
    return juce::Time::highResolutionTicksToSeconds (ticks) * 1000.0;
}

constexpr int progressStep = 2048;
} // namespace

FileAdder::FileAdder (Corvane& owner, ProgressReport progressReport, StopCheck check)
    : library (owner),
      report (std::move (progressReport)),
      stopCheck (std::move (check))
{
}

bool FileAdder::addAll (const juce::StringArray& paths, const juce::Array<int>& tagIds,
                        juce::OwnedArray<TaggedItem>& items, Corvane::AddFilesTimes& times)
{
    detectTicks = 0;

    const auto walkStart = juce::Time::getHighResolutionTicks();
    juce::Array<FileEntry> entries;

    for (int i = paths.size(); --i >= 0 && ! shouldStop();)
        if (juce::File::isAbsolutePath (paths[i]))
            collect (juce::File (paths[i]), entries);

    const auto insertStart = juce::Time::getHighResolutionTicks();
    times.found = entries.size();
    times.detect = millisecondsOf (detectTicks);
    times.walk = millisecondsOf (insertStart - walkStart) - times.detect;

    const auto ids = write (entries, tagIds, items);
    const auto linkStart = juce::Time::getHighResolutionTicks();
    times.insert = millisecondsOf (linkStart - insertStart);

    const auto linked = link (ids, tagIds);
    times.link = millisecondsOf (juce::Time::getHighResolutionTicks() - linkStart);

    return linked && (ids.size() > 0 || entries.isEmpty());
}

void FileAdder::collect (const juce::File& file, juce::Array<FileEntry>& entries)
{
    std::set<std::string> visitedFolders;
    collectBelow (file, entries, visitedFolders);
}

void FileAdder::collectBelow (const juce::File& file, juce::Array<FileEntry>& entries,
                              std::set<std::string>& visitedFolders)
{
    if (! file.isDirectory())
    {
        addEntryFor (file, entries);
        return;
    }

    // Folder links may lead back up the tree; each real folder is walked once.
    std::error_code error;
    const auto real = std::filesystem::canonical (file.getFullPathName().toStdString(), error);
    if (error || ! visitedFolders.insert (real.string()).second || shouldStop())
        return;

    for (const auto& entry : juce::RangedDirectoryIterator (file, false, "*", juce::File::findFilesAndDirectories))
    {
        if (entry.isDirectory())
            collectBelow (entry.getFile(), entries, visitedFolders);
        else
            addEntryFor (entry.getFile(), entries);
    }
}

void FileAdder::addEntryFor (const juce::File& file, juce::Array<FileEntry>& entries)
{
    const auto start = juce::Time::getHighResolutionTicks();
    const auto type = library.detectType (file);
    detectTicks += juce::Time::getHighResolutionTicks() - start;

    if (type.isNotEmpty())
        entries.add ({ file.getFileName(), type, file.getFullPathName() });
}

juce::Array<int> FileAdder::write (const juce::Array<FileEntry>& entries, const juce::Array<int>& tagIds,
                                   juce::OwnedArray<TaggedItem>& items)
{
    auto& database = library.getDatabase();
    const juce::ScopedLock sl (database.getLock());

    auto connection = database.openConnection();
    if (connection == nullptr)
        return {};

    SQLiteTransaction transaction (*connection);
    if (! transaction.isActive())
        return {};

    SQLitePrepared select (*connection, "SELECT id FROM data WHERE path=?;");
    SQLitePrepared revive (*connection, "UPDATE data SET deleted=0 where id=?;");
    SQLitePrepared insert (*connection, "INSERT INTO data (name,path,type,quality) VALUES (?,?,?,?);");

    // A path given twice (a folder and a file inside it) is one row and one result.
    std::unordered_set<int> seen;
    seen.reserve ((size_t) entries.size());
    juce::Array<int> ids;
    ids.ensureStorageAllocated (entries.size());
    items.ensureStorageAllocated (entries.size());

    for (int i = entries.size(); --i >= 0;)
    {
        const auto& entry = entries.getReference (i);

        // Most files are new: the insert is tried first and a known path, refused by the
        // UNIQUE constraint, is looked up and made present again.
        insert.bindText (1, entry.name);
        insert.bindText (2, entry.path);
        insert.bindText (3, entry.type);
        insert.bindInt (4, 0);
        int id = insert.step() == SQLITE_DONE ? (int) connection->getLastInsertRowId() : 0;
        insert.reset();

        if (id == 0)
        {
            select.bindText (1, entry.path);
            id = select.step() == SQLITE_ROW ? select.getInt (0) : 0;
            select.reset();

            revive.bindInt (1, id);
            revive.step();
            revive.reset();
        }

        if (id > 0 && seen.insert (id).second)
        {
            ids.add (id);
            auto* item = items.add (new TaggedItem (&library, id, entry.type, 0.0));
            item->getTags() = tagIds;
        }

        if (i % progressStep == 0)
        {
            if (shouldStop())
                break;

            if (report != nullptr)
                report (0.9 * (1.0 - (double) i / (double) entries.size()));
        }
    }

    if (shouldStop() || ! transaction.commit())
    {
        items.clear();
        return {};
    }

    return ids;
}

bool FileAdder::link (const juce::Array<int>& fileIds, const juce::Array<int>& tagIds)
{
    if (fileIds.isEmpty() || tagIds.isEmpty())
        return true;

    auto& database = library.getDatabase();
    const juce::ScopedLock sl (database.getLock());

    return database.writeInTransaction ([&] (SQLiteConnection& connection)
    {
        SQLitePrepared link (connection, "INSERT INTO tags_files (file,tag) VALUES (?,?);");

        for (int i = fileIds.size(); --i >= 0;)
        {
            link.bindInt (1, fileIds.getUnchecked (i));

            // A link that exists already fails on the UNIQUE constraint and is skipped.
            for (int t = tagIds.size(); --t >= 0;)
            {
                link.bindInt (2, tagIds.getUnchecked (t));
                link.step();
                link.reset();
            }
        }
    });
}
