#include "LibraryFixture.h"

#include "tagdb/TaggedItem.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <sqlite3.h>

namespace corvane::test
{
struct RawDatabase::Handle
{
    sqlite3* db = nullptr;
};

RawDatabase::RawDatabase (const juce::File& file)
    : handle (std::make_unique<Handle>())
{
    sqlite3_open (file.getFullPathName().toRawUTF8(), &handle->db);
    sqlite3_busy_timeout (handle->db, 10000);
}

RawDatabase::~RawDatabase()
{
    sqlite3_close (handle->db);
}

bool RawDatabase::exec (const juce::String& sql)
{
    return sqlite3_exec (handle->db, sql.toRawUTF8(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

juce::StringArray RawDatabase::rows (const juce::String& sql, const juce::String& parameter)
{
    juce::StringArray result;
    sqlite3_stmt* statement = nullptr;

    if (sqlite3_prepare_v2 (handle->db, sql.toRawUTF8(), -1, &statement, nullptr) != SQLITE_OK)
    {
        result.add ("prepare failed: " + juce::String (sqlite3_errmsg (handle->db)));
        return result;
    }

    if (sqlite3_bind_parameter_count (statement) > 0)
        sqlite3_bind_text (statement, 1, parameter.toRawUTF8(), -1, SQLITE_TRANSIENT);

    while (sqlite3_step (statement) == SQLITE_ROW)
    {
        juce::StringArray columns;
        for (int i = 0; i < sqlite3_column_count (statement); ++i)
        {
            const auto* text = reinterpret_cast<const char*> (sqlite3_column_text (statement, i));
            columns.add (text != nullptr ? juce::String::fromUTF8 (text) : juce::String());
        }
        result.add (columns.joinIntoString ("|"));
    }

    sqlite3_finalize (statement);
    return result;
}

bool RawDatabase::isWriteLocked()
{
    sqlite3_busy_timeout (handle->db, 0);
    const auto locked = ! exec ("BEGIN IMMEDIATE");
    if (! locked)
        exec ("ROLLBACK");
    sqlite3_busy_timeout (handle->db, 10000);
    return locked;
}

juce::File writeWav (const juce::File& file, int numSamples)
{
    file.getParentDirectory().createDirectory();
    file.deleteFile();

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (
        wav.createWriterFor (new juce::FileOutputStream (file), 44100.0, 2, 16, {}, 0));

    juce::AudioBuffer<float> buffer (2, numSamples);
    for (int i = 0; i < numSamples; ++i)
        buffer.setSample (0, i, std::sin ((float) i * 0.1f) * 0.5f), buffer.setSample (1, i, 0.0f);

    writer->writeFromAudioSampleBuffer (buffer, 0, numSamples);
    return file;
}

juce::File writeJunk (const juce::File& file, const juce::String& text)
{
    file.getParentDirectory().createDirectory();
    file.replaceWithText (text);
    return file;
}

LibraryTest::LibraryTest()
    : dbFile (temp / "library.db"),
      tagsFile (temp / "defaultTags.txt")
{
    tagsFile.replaceWithText ("drums\nbass\n\nkeys;pads\n");
    library = makeLibrary (dbFile);
}

LibraryTest::~LibraryTest()
{
    library.reset();
}

std::unique_ptr<Corvane> LibraryTest::makeLibrary (const juce::File& file)
{
    file.create();
    return std::make_unique<Corvane> (file, tagsFile);
}

juce::StringArray LibraryTest::resultPaths()
{
    juce::StringArray paths;
    auto& results = library->getResults();

    for (int i = 0; i < results.getNumRows(); ++i)
        paths.add (results.getItem (i)->getFile().getFullPathName());

    paths.sort (false);
    return paths;
}

int LibraryTest::idOf (const juce::File& file)
{
    return RawDatabase (dbFile).count ("SELECT id FROM data WHERE path = '"
                                       + file.getFullPathName().replace ("'", "''") + "'");
}
} // namespace corvane::test
