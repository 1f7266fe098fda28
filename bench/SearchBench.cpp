// Searches and tag counts on a generated library: the pair statements stepped through as the
// baseline, against the result list (rows and their tags, as a user sees them) and the merged
// count pass. Times in milliseconds: first and last row, filtered counts, totals, and both
// together as a change of the stored data asks for them.
#include "tagdb/Corvane.h"
#include "tagdb/SQLiteConnection.h"
#include "tagdb/SQLitePrepared.h"
#include "tagdb/SQLiteTransaction.h"
#include "tagdb/SearchQuery.h"
#include "tagdb/TaggedItem.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <malloc.h>

#include <chrono>
#include <cmath>
#include <thread>

namespace
{
constexpr int numTags = 150;

double nowMs()
{
    return std::chrono::duration<double, std::milli> (std::chrono::steady_clock::now().time_since_epoch()).count();
}

juce::File benchFolder()
{
    return juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("corvane-bench");
}

// numFiles files, a third of them rated, and about five links per file over 150 tags whose use
// falls off steeply: tag 1 is on most files, the last tags on a few hundred.
juce::File generatedLibrary (int numFiles)
{
    const auto file = benchFolder().getChildFile ("search-" + juce::String (numFiles) + ".db");
    const auto marker = benchFolder().getChildFile ("search-" + juce::String (numFiles) + ".complete");
    if (marker.existsAsFile() && file.existsAsFile())
        return file;

    benchFolder().createDirectory();
    for (auto suffix : { "", "-wal", "-shm" })
        juce::File (file.getFullPathName() + suffix).deleteFile();
    file.create();

    const auto tagsFile = benchFolder().getChildFile ("noTags.txt");
    tagsFile.replaceWithText ("");
    std::make_unique<Corvane> (file, tagsFile).reset();

    SQLiteConnection connection;
    connection.open (file, 10000);
    connection.exec ("DELETE FROM tags");
    SQLiteTransaction transaction (connection);
    {
        SQLitePrepared tag (connection, "INSERT INTO tags (id,name,col,sort,deleted) VALUES (?,?,?,?,0)");
        for (int t = 1; t <= numTags; ++t)
        {
            tag.bindInt (1, t);
            tag.bindText (2, "tag " + juce::String (t));
            tag.bindInt (3, (t - 1) / 50);
            tag.bindInt (4, (t - 1) % 50);
            tag.step();
            tag.reset();
        }

        SQLitePrepared data (connection, "INSERT INTO data (id,name,path,type,quality,date) VALUES (?,?,?,?,?,current_timestamp)");
        SQLitePrepared link (connection, "INSERT OR IGNORE INTO tags_files (file,tag) VALUES (?,?)");
        juce::Random random (1234);

        for (int id = 1; id <= numFiles; ++id)
        {
            data.bindInt (1, id);
            data.bindText (2, "Sample " + juce::String (id) + (random.nextInt (10) == 0 ? " Kick" : ""));
            data.bindText (3, "/samples/pack" + juce::String (id % 97) + "/sample " + juce::String (id) + ".wav");
            data.bindText (4, "WAV file");
            data.bindDouble (5, random.nextInt (3) == 0 ? (1 + random.nextInt (10)) / 10.0 : 0.0);
            data.step();
            data.reset();

            for (int i = random.nextInt (11); --i >= 0;)
            {
                const auto u = random.nextDouble();
                link.bindInt (1, id);
                link.bindInt (2, 1 + (int) (numTags * u * u * u));
                link.step();
                link.reset();
            }
        }
    }
    transaction.commit();
    marker.create();
    return file;
}

struct Case
{
    const char* name;
    juce::Array<int> tags;
    juce::String search;
    double quality;
};

const Case cases[] = {
    { "unfiltered", {}, {}, 0.0 },
    { "commonTag", { 1 }, {}, 0.0 },
    { "rareTag", { 120 }, {}, 0.0 },
    { "twoTags", { 1, 3 }, {}, 0.0 },
    { "threeTags", { 1, 3, 30 }, {}, 0.0 },
    { "name", {}, "kick", 0.0 },
    { "quality", {}, {}, 0.6 },
};

// Steps through a statement as a search would read it; answers first and last row times.
std::pair<double, double> stepThrough (SQLiteConnection& connection, const juce::String& sql, const juce::String& pattern, int& rows)
{
    const auto start = nowMs();
    SQLitePrepared statement (connection, sql);
    if (statement.getParameterCount() > 0)
        statement.bindText (1, pattern);

    double first = -1.0;
    rows = 0;
    while (statement.step() == SQLITE_ROW)
    {
        if (first < 0)
            first = nowMs() - start;
        benchmark::DoNotOptimize (statement.getInt (0));
        benchmark::DoNotOptimize (statement.getInt (1));
        benchmark::DoNotOptimize (statement.getDouble (2));
        benchmark::DoNotOptimize (statement.getText (3));
        ++rows;
    }
    return { first, nowMs() - start };
}

double countTime (SQLiteConnection& connection, const juce::String& sql, const juce::String& pattern)
{
    int rows = 0;
    return stepThrough (connection, sql, pattern, rows).second;
}

void configure (Corvane& library, const Case& c)
{
    auto& grid = library.getGrid();
    grid.getCheckedTags().deselectAll();
    for (auto tag : c.tags)
        grid.getCheckedTags().addToSelection (tag);
    library.getNameFilter().setName (c.search);
    grid.getQualityFilter().setValue (nullptr, {}, true, c.quality);
}

std::unique_ptr<Corvane> openLibrary (const juce::File& file)
{
    auto library = std::make_unique<Corvane> (file, benchFolder().getChildFile ("noTags.txt"));
    library->getResults().stopSearch();
    library->getGrid().updateCounts (true);
    return library;
}

void BM_Search (benchmark::State& state)
{
    const auto file = generatedLibrary ((int) state.range (0));
    const auto& c = cases[state.range (1)];
    state.SetLabel (c.name);

    auto library = openLibrary (file);
    configure (*library, c);
    auto& results = library->getResults();
    auto& grid = library->getGrid();
    const auto filter = library->buildFilter (true);
    const auto pattern = library->getNamePattern();

    SQLiteConnection connection;
    connection.open (file, 10000);

    double baseFirst = 0, baseLast = 0, listFirst = 0, listLast = 0;
    double baseCounts = 0, baseTotals = 0, counts = 0, totals = 0, both = 0, gathered = 0;
    int pairRows = 0;

    for (auto _ : state)
    {
        auto [f0, l0] = stepThrough (connection, buildQuery (c.tags, filter), pattern, pairRows);
        baseFirst += f0, baseLast += l0;

        // The result list, timed from the restart on the caller's thread, which looks every
        // 50 microseconds and otherwise sleeps, as an idle message thread would.
        const auto start = nowMs();
        results.restartSearch();
        double first = -1.0;
        while (results.isThreadRunning())
        {
            if (first < 0 && results.getNumRows() > 0)
                first = nowMs() - start;
            std::this_thread::sleep_for (std::chrono::microseconds (50));
        }
        listLast += nowMs() - start;
        listFirst += first < 0 ? nowMs() - start : first;

        // After a filter change the filtered counts are those the search gathered.
        auto g0 = nowMs();
        grid.updateCounts (false);
        gathered += nowMs() - g0;

        baseCounts += countTime (connection, buildCountQuery (c.tags, filter), pattern);
        baseTotals += countTime (connection, buildCountQuery ({}, library->buildFilter (false)), pattern);

        auto t0 = nowMs();
        grid.updateCounts (grid.getFilteredCounts(), c.tags, filter);
        counts += nowMs() - t0;
        t0 = nowMs();
        grid.updateCounts (grid.getTotalCounts(), {}, library->buildFilter (false));
        totals += nowMs() - t0;
        t0 = nowMs();
        grid.updateCounts (true);
        both += nowMs() - t0;
    }

    const auto n = (double) state.iterations();
    state.counters["pairRows"] = pairRows;
    state.counters["listed"] = results.getNumRows();
    state.counters["base_first"] = baseFirst / n;
    state.counters["base_last"] = baseLast / n;
    state.counters["list_first"] = listFirst / n;
    state.counters["list_last"] = listLast / n;
    state.counters["base_counts"] = baseCounts / n;
    state.counters["base_totals"] = baseTotals / n;
    state.counters["counts"] = counts / n;
    state.counters["totals"] = totals / n;
    state.counters["both"] = both / n;
    state.counters["gathered"] = gathered / n;
}

// How long a restart waits for a running search: one in the middle of a long step (sorting
// the whole library in random order before its first row), or one walking the links.
void BM_StopRunningSearch (benchmark::State& state)
{
    auto library = openLibrary (generatedLibrary ((int) state.range (0)));
    library->getRandom().setValue (nullptr, {}, true, state.range (1) == 0 ? 1.0 : 0.0);
    state.SetLabel (state.range (1) == 0 ? "random" : "walking");
    auto& results = library->getResults();
    double worst = 0.0, total = 0.0;

    for (auto _ : state)
    {
        results.restartSearch();
        std::this_thread::sleep_for (std::chrono::milliseconds (30));
        const auto start = nowMs();
        results.stopSearch();
        const auto took = nowMs() - start;
        worst = std::max (worst, took);
        total += took;
    }

    state.counters["stop_ms"] = total / (double) state.iterations();
    state.counters["worst_ms"] = worst;
}

size_t heapInUse()
{
    const auto info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// A library constructed until its first rows show, and the heap its unfiltered list holds.
void BM_ConstructAndList (benchmark::State& state)
{
    const auto file = generatedLibrary ((int) state.range (0));
    double toFirst = 0.0, heldKb = 0.0, allItemsKb = 0.0;

    for (auto _ : state)
    {
        const auto start = nowMs();
        auto library = std::make_unique<Corvane> (file, benchFolder().getChildFile ("noTags.txt"));
        auto& results = library->getResults();
        while (results.getNumRows() == 0 && results.isThreadRunning())
            std::this_thread::yield();
        toFirst += nowMs() - start;
        while (results.isThreadRunning())
            std::this_thread::yield();

        // What the list holds: rows, tags, and the items of a hundred rows on screen.
        for (int row = 0; row < 100; ++row)
            benchmark::DoNotOptimize (results.getItem (row));
        const auto listed = heapInUse();
        // Selecting every row makes every item.
        results.selectAll();
        const auto allItems = heapInUse();
        results.clear();
        const auto cleared = heapInUse();
        heldKb += (double) (listed - cleared) / 1024.0;
        allItemsKb += (double) (allItems - cleared) / 1024.0;
    }

    state.counters["first_rows_ms"] = toFirst / (double) state.iterations();
    state.counters["held_kb"] = heldKb / (double) state.iterations();
    state.counters["all_items_kb"] = allItemsKb / (double) state.iterations();
}
} // namespace

BENCHMARK (BM_Search)->ArgsProduct ({ { 100000 }, { 0, 1, 2, 3, 4, 5, 6 } })->Unit (benchmark::kMillisecond)->Iterations (5);
BENCHMARK (BM_Search)->Name ("BM_SearchMillion")->ArgsProduct ({ { 1000000 }, { 0, 1, 3, 5 } })->Unit (benchmark::kMillisecond)->Iterations (1);
BENCHMARK (BM_StopRunningSearch)->Args ({ 100000, 0 })->Args ({ 100000, 1 })->Unit (benchmark::kMillisecond)->Iterations (10);
BENCHMARK (BM_ConstructAndList)->Arg (100000)->Unit (benchmark::kMillisecond)->Iterations (3);

