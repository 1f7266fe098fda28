// Bulk add of generated sample trees: the library's add against a bare walk of the same tree
// and raw prepared inserts of the same rows, and a reader's latency during another bulk add.
#include "tagdb/Corvane.h"
#include "tagdb/SQLiteConnection.h"
#include "tagdb/SQLitePrepared.h"
#include "tagdb/SQLiteTransaction.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace
{
juce::File benchRoot()
{
    return juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("corvane-bench");
}

// numFiles files in nested folders: 10 top folders, 10 below each, files spread over them.
juce::File sampleTree (int numFiles)
{
    const auto root = benchRoot().getChildFile ("tree-" + juce::String (numFiles));
    const auto marker = root.getChildFile (".complete");
    if (marker.existsAsFile())
        return root;

    root.deleteRecursively();
    for (int i = 0; i < numFiles; ++i)
    {
        const auto folder = root.getChildFile ("pack" + juce::String (i % 10))
                                .getChildFile ("kit" + juce::String ((i / 10) % 10))
                                .getChildFile ("set" + juce::String ((i / 100) % 10));
        folder.createDirectory();
        juce::FileOutputStream (folder.getChildFile ("sample " + juce::String (i) + ".wav"));
    }
    marker.create();
    return root;
}

juce::File freshDatabase()
{
    const auto file = benchRoot().getChildFile ("bench.db");
    for (auto suffix : { "", "-wal", "-shm" })
        juce::File (file.getFullPathName() + suffix).deleteFile();
    file.create();
    return file;
}

juce::File emptyTagsFile()
{
    const auto file = benchRoot().getChildFile ("defaultTags.txt");
    file.replaceWithText ("one\ntwo\n");
    return file;
}

int walk (const juce::File& root, juce::Array<juce::File>* files)
{
    int count = 0;
    for (const auto& entry : juce::RangedDirectoryIterator (root, true, "*.wav", juce::File::findFiles))
    {
        ++count;
        if (files != nullptr)
            files->add (entry.getFile());
    }
    return count;
}

void BM_BareWalk (benchmark::State& state)
{
    const auto root = sampleTree ((int) state.range (0));
    for (auto _ : state)
        benchmark::DoNotOptimize (walk (root, nullptr));
    state.counters["files"] = (double) state.range (0);
}

void BM_RawPreparedInsert (benchmark::State& state)
{
    juce::Array<juce::File> files;
    walk (sampleTree ((int) state.range (0)), &files);

    for (auto _ : state)
    {
        state.PauseTiming();
        const auto file = freshDatabase();
        SQLiteConnection connection;
        connection.open (file, 10000);
        connection.exec ("PRAGMA journal_mode=WAL");
        connection.exec ("CREATE TABLE data (deleted NUMERIC default 0,size NUMERIC,date DATE, name TEXT, type TEXT, id INTEGER PRIMARY KEY, path TEXT UNIQUE,quality NUMERIC default -1)");
        state.ResumeTiming();

        SQLiteTransaction transaction (connection);
        SQLitePrepared insert (connection, "INSERT INTO data (name,path,type,quality) VALUES (?,?,?,?);");
        for (auto& f : files)
        {
            insert.bindText (1, f.getFileName());
            insert.bindText (2, f.getFullPathName());
            insert.bindText (3, "WAV file");
            insert.bindInt (4, 0);
            insert.step();
            insert.reset();
        }
        transaction.commit();
    }
}

void BM_LibraryBulkAdd (benchmark::State& state)
{
    const auto root = sampleTree ((int) state.range (0));
    walk (root, nullptr);
    Corvane::AddFilesTimes sum;

    for (auto _ : state)
    {
        state.PauseTiming();
        auto library = std::make_unique<Corvane> (freshDatabase(), emptyTagsFile());
        state.ResumeTiming();

        library->addFiles ({ root.getFullPathName() }, { 1 });

        state.PauseTiming();
        const auto& t = library->getLastAddFilesTimes();
        sum.walk += t.walk, sum.detect += t.detect, sum.insert += t.insert, sum.link += t.link;
        if (t.found != state.range (0))
            state.SkipWithError ("not every file was found");
        library.reset();
        state.ResumeTiming();
    }

    const auto n = (double) state.iterations();
    state.counters["walk_ms"] = sum.walk / n;
    state.counters["detect_ms"] = sum.detect / n;
    state.counters["insert_ms"] = sum.insert / n;
    state.counters["link_ms"] = sum.link / n;
}

// Another instance keeps searching while this one adds a tree; reports the reader's query
// latency in milliseconds. The second argument 1 puts the file back on the rollback journal,
// for comparison with write-ahead logging.
void BM_ReaderLatencyDuringBulkAdd (benchmark::State& state)
{
    const auto root = sampleTree ((int) state.range (0));
    std::vector<double> latencies;

    for (auto _ : state)
    {
        state.PauseTiming();
        const auto file = freshDatabase();
        auto library = std::make_unique<Corvane> (file, emptyTagsFile());
        library->addFiles ({ sampleTree (10000).getFullPathName() }, { 1 });
        if (state.range (1) == 1)
        {
            SQLiteConnection journal;
            journal.open (file, 10000);
            journal.exec ("PRAGMA journal_mode=DELETE");
        }
        std::atomic<bool> done { false };
        state.ResumeTiming();

        std::thread reader ([&]
        {
            SQLiteConnection connection;
            connection.open (file, 10000);
            while (! done)
            {
                const auto start = juce::Time::getHighResolutionTicks();
                SQLitePrepared search (connection, "SELECT id AS file,tags_files.tag AS tag,quality,type FROM data LEFT JOIN tags_files "
                                                   "ON tags_files.file = data.id WHERE 1=1  AND deleted = 0  ORDER BY id DESC LIMIT 200");
                connection.exec ("BEGIN");
                while (search.step() == SQLITE_ROW) {}
                connection.exec ("COMMIT");
                latencies.push_back (juce::Time::highResolutionTicksToSeconds (juce::Time::getHighResolutionTicks() - start) * 1000.0);
                juce::Thread::sleep (1);
            }
        });

        library->addFiles ({ root.getFullPathName() }, { 2 });
        done = true;
        reader.join();

        state.PauseTiming();
        library.reset();
        state.ResumeTiming();
    }

    std::sort (latencies.begin(), latencies.end());
    const auto at = [&] (double q) { return latencies.empty() ? 0.0 : latencies[(size_t) (q * (double) (latencies.size() - 1))]; };
    state.counters["reads"] = (double) latencies.size();
    state.counters["p50_ms"] = at (0.5);
    state.counters["p99_ms"] = at (0.99);
    state.counters["max_ms"] = at (1.0);
}
} // namespace

BENCHMARK (BM_BareWalk)->Arg (10000)->Arg (100000)->Unit (benchmark::kMillisecond);
BENCHMARK (BM_RawPreparedInsert)->Arg (10000)->Arg (100000)->Unit (benchmark::kMillisecond)->Iterations (3);
BENCHMARK (BM_LibraryBulkAdd)->Arg (10000)->Arg (100000)->Unit (benchmark::kMillisecond)->Iterations (3);
BENCHMARK (BM_ReaderLatencyDuringBulkAdd)->Args ({ 100000, 0 })->Args ({ 100000, 1 })->Unit (benchmark::kMillisecond)->Iterations (2);

int main (int argc, char** argv)
{
    // Keep the library's default folders away from the real user's.
    const auto home = benchRoot().getChildFile ("home");
    home.createDirectory();
    ::setenv ("XDG_CONFIG_HOME", home.getFullPathName().toRawUTF8(), 1);

    juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize (&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    juce::DeletedAtShutdown::deleteAll();
    return 0;
}
