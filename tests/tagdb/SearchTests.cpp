#include "LibraryFixture.h"
#include "tagdb/SearchQuery.h"
#include "tagdb/TaggedItem.h"

#include <map>

namespace corvane::test
{
namespace
{
// Runs one statement on its own connection, binding the name pattern when it asks for one;
// rows come as their columns joined with "|", NULL as "".
juce::StringArray runStatement (const juce::File& file, const juce::String& sql, const juce::String& pattern)
{
    return RawDatabase (file).rows (sql, pattern);
}

struct FoundFile
{
    juce::Array<int> tags;
    juce::String rating, type;
    bool operator== (const FoundFile& other) const { return tags == other.tags && rating == other.rating && type == other.type; }
};

using FoundFiles = std::map<int, FoundFile>;

// The files of the (file, tag) rows of buildQuery, with their tags sorted; a NULL tag is 0.
FoundFiles filesOfPairs (const juce::StringArray& rows, juce::Array<int>& order)
{
    FoundFiles files;

    for (auto& row : rows)
    {
        const auto columns = juce::StringArray::fromTokens (row, "|", "");
        const auto id = columns[0].getIntValue();
        if (files.count (id) == 0)
            order.add (id);

        auto& file = files[id];
        file.tags.addUsingDefaultSort (columns[1].getIntValue());
        file.rating = columns[2];
        file.type = columns[3];
    }

    return files;
}

std::map<int, int> countsOf (const juce::StringArray& rows)
{
    std::map<int, int> counts;
    for (auto& row : rows)
        counts[row.upToFirstOccurrenceOf ("|", false, false).getIntValue()] = row.fromFirstOccurrenceOf ("|", false, false).getIntValue();
    return counts;
}

class SearchTest : public LibraryTest
{
protected:
    Results& results() { return library->getResults(); }

    // Lets the running search finish and its messages arrive.
    void finishSearch()
    {
        ASSERT_TRUE (pumpUntil ([this] { return ! results().isThreadRunning(); }, 10000));
        results().dispatchPendingMessages();
    }

    void search()
    {
        results().restartSearch();
        finishSearch();
    }

    juce::Array<int> listedIds()
    {
        juce::Array<int> ids;
        for (int i = 0; i < results().getNumRows(); ++i)
            ids.add (results().getItem (i)->getId());
        return ids;
    }

    // Adds a file row directly; rating text as SQL ("NULL", "-1", "0.5").
    int addRow (const juce::String& name, const juce::String& rating = "0", const juce::Array<int>& tags = {},
                const juce::String& type = "WAV", int deleted = 0)
    {
        RawDatabase raw (dbFile);
        raw.exec ("INSERT INTO data (name,path,type,quality,deleted) VALUES ('" + name.replace ("'", "''") + "','/x/"
                  + juce::String (nextPath++) + "','" + type + "'," + rating + "," + juce::String (deleted) + ")");
        const auto id = raw.count ("SELECT max(id) FROM data");
        for (auto tag : tags)
            raw.exec ("INSERT INTO tags_files (file,tag) VALUES (" + juce::String (id) + "," + juce::String (tag) + ")");
        return id;
    }

    // A library with skewed tag use: tag 1 on most files, tag 10 on few; some files without tags.
    void fillRandomly (juce::Random& random, int numFiles)
    {
        static const char* ratings[] = { "NULL", "-1", "0", "0.2", "0.6", "0.8", "1" };
        static const char* types[] = { "WAV", "AIFF", "FLAC" };
        RawDatabase raw (dbFile);
        raw.exec ("BEGIN");

        for (int i = 0; i < numFiles; ++i)
        {
            raw.exec (juce::String ("INSERT INTO data (name,path,type,quality,deleted) VALUES ('")
                      + (random.nextBool() ? "Loop " : "hit ") + juce::String (i) + "','/r/" + juce::String (i) + "','"
                      + types[random.nextInt (3)] + "'," + ratings[random.nextInt (7)] + "," + (random.nextInt (10) == 0 ? "1" : "0") + ")");

            for (int tag = 1; tag <= 10; ++tag)
                if (random.nextInt (tag + 1) == 0)
                    raw.exec ("INSERT INTO tags_files (file,tag) VALUES (last_insert_rowid()," + juce::String (tag) + ")");
        }

        // Links no file can match, and one without a tag (it reads as tag 0).
        raw.exec ("INSERT INTO tags_files (file,tag) VALUES ('3x', 2), (4.5, 3), (999999, 4), (NULL, 5), (7, NULL)");
        raw.exec ("COMMIT");
    }

    int nextPath = 0;
};
} // namespace

TEST_F (SearchTest, FilterTextFollowsTheFilterState)
{
    EXPECT_EQ (library->buildFilter (true), " AND deleted = 0  ORDER BY id DESC");

    library->getGrid().getQualityFilter().setValue (nullptr, {}, true, 0.6);
    EXPECT_EQ (library->buildFilter (true), " AND deleted = 0  AND (  quality >=0.6 ) ORDER BY quality DESC");
    EXPECT_EQ (library->buildFilter (false), " AND deleted = 0  ORDER BY quality DESC");

    library->getGrid().getUnratedSwitch().setValue (nullptr, {}, true, 1.0);
    library->getRandom().setValue (nullptr, {}, true, 1.0);
    library->getNameFilter().setName ("kick");
    EXPECT_EQ (library->buildFilter (true), " AND deleted = 0  AND name LIKE ?1 ESCAPE '\\' AND (  quality >=0.6 OR quality <= 0 OR quality IS NULL ) ORDER BY random()");
    EXPECT_EQ (library->buildFilter (false), " AND deleted = 0  ORDER BY quality DESC");
}

// The search (one statement per file, tags read by lookups or by a walk down the link index)
// and the counts (one merged pass over files and links) must give exactly the files, tags,
// ratings and counts of the (file, tag) statements, over libraries and filters drawn at random.
TEST_F (SearchTest, SearchAndCountsAgreeWithThePairStatements)
{
    juce::Random random (7);
    fillRandomly (random, 600);
    library->registerFileTypes();
    auto& grid = library->getGrid();
    int walked = 0;

    for (int round = 0; round < 60; ++round)
    {
        grid.getQualityFilter().setValue (nullptr, {}, true, random.nextInt (3) == 0 ? 0.6 : 0.0);
        grid.getUnratedSwitch().setValue (nullptr, {}, true, random.nextBool() ? 1.0 : 0.0);
        library->getNameFilter().setName (random.nextInt (3) == 0 ? "LOOP 1" : "");
        for (auto* filter : library->getTypeFilters())
            filter->getParameter().setValue (nullptr, {}, true, random.nextInt (4) == 0 ? 1.0 : 0.0);

        juce::Array<int> tags;
        for (int i = random.nextInt (4); --i >= 0;)
            tags.addIfNotAlreadyThere (1 + random.nextInt (11)); // 11 is on no file

        grid.getCheckedTags().deselectAll();
        for (auto tag : tags)
            grid.getCheckedTags().addToSelection (tag);

        const auto pattern = library->getNamePattern();
        const auto filter = library->buildFilter (true);
        SCOPED_TRACE (filter + " tags " + juce::String (tags.size()));

        // The list against the pairs of the same filter.
        juce::Array<int> pairOrder;
        const auto expected = filesOfPairs (runStatement (dbFile, buildQuery (tags, filter), pattern), pairOrder);
        search();

        FoundFiles found;
        juce::Array<int> rowOrder;
        for (int row = 0; row < results().getNumRows(); ++row)
        {
            auto* item = results().getItem (row);
            rowOrder.add (item->getId());
            auto& file = found[item->getId()];
            file.tags = item->getTags();
            file.tags.sort();
            file.rating = juce::String (item->getQuality());
            file.type = item->getType();
        }

        EXPECT_EQ (expected.size(), found.size());
        for (auto& [id, file] : expected)
        {
            const auto at = found.find (id);
            ASSERT_NE (at, found.end()) << "file " << id << " missing";
            EXPECT_EQ (file.tags, at->second.tags) << "file " << id;
            EXPECT_EQ (file.type, at->second.type) << "file " << id;
            const auto rating = file.rating.isEmpty() ? 0.0 : juce::jmax (0.0, file.rating.getDoubleValue());
            EXPECT_EQ (juce::String (rating), at->second.rating) << "file " << id;
        }

        if (tags.isEmpty() && ! filter.contains ("quality DESC"))
        {
            EXPECT_EQ (pairOrder, rowOrder);
            walked += rowOrder.size() > 300 ? 1 : 0;
        }

        // The counts, for the full filter and for the totals' filter.
        for (auto full : { true, false })
        {
            const auto countFilter = library->buildFilter (full);
            const auto expectedCounts = countsOf (runStatement (dbFile, buildCountQuery (tags, countFilter), pattern));
            TagGrit::TagCounts counted;
            grid.updateCounts (counted, tags, countFilter);

            std::map<int, int> countedMap;
            for (juce::HashMap<int, int>::Iterator i (counted); i.next();)
                countedMap[i.getKey()] = i.getValue();
            EXPECT_EQ (expectedCounts, countedMap) << (full ? "filtered" : "totals");

            // The counts a search gathers from its own rows.
            if (full)
            {
                juce::HashMap<int, int> gathered;
                ASSERT_TRUE (results().copySearchCounts (gathered));
                std::map<int, int> gatheredMap;
                for (juce::HashMap<int, int>::Iterator i (gathered); i.next();)
                    gatheredMap[i.getKey()] = i.getValue();
                EXPECT_EQ (expectedCounts, gatheredMap);
            }
        }
    }

    // Long unfiltered lists were among the rounds, so the walk down the links was compared too.
    EXPECT_GT (walked, 0);
}

TEST_F (SearchTest, ListsEveryPresentFileOnceNewestFirstWithItsTags)
{
    const auto first = addRow ("a", "0", { 3, 5, 7 });
    const auto untagged = addRow ("b");
    addRow ("gone", "0", { 3 }, "WAV", 1);
    const auto last = addRow ("c", "0.5", { 3 });
    search();

    EXPECT_EQ (listedIds(), juce::Array<int> ({ last, untagged, first }));
    EXPECT_EQ (results().findItem (first)->getTags(), juce::Array<int> ({ 3, 5, 7 }));
    EXPECT_EQ (results().findItem (untagged)->getTags(), juce::Array<int> ({ 0 }));
    EXPECT_DOUBLE_EQ (results().findItem (last)->getQuality(), 0.5);
}

TEST_F (SearchTest, CheckedTagsNarrowToFilesCarryingAllOfThem)
{
    const auto both = addRow ("both", "0", { 3, 7, 9 });
    addRow ("three", "0", { 3 });
    addRow ("seven", "0", { 7 });
    const auto bothToo = addRow ("both too", "0", { 7, 3 });
    auto& grid = library->getGrid();

    grid.getCheckedTags().addToSelection (3);
    grid.getCheckedTags().addToSelection (7);
    grid.getCheckedTags().addToSelection (4711); // a tag that no longer exists
    search();
    EXPECT_EQ (listedIds().size(), 0);

    grid.getCheckedTags().deselect (4711);
    search();
    EXPECT_EQ (listedIds(), juce::Array<int> ({ bothToo, both }));
    EXPECT_EQ (results().getSearchTags(), juce::Array<int> ({ 3, 7 }));

    grid.updateCounts (false);
    EXPECT_EQ (grid.getFilteredCounts()[3], 2);
    EXPECT_EQ (grid.getFilteredCounts()[9], 1);
}

// Unrated files are those without a positive rating: 0 as the bulk add stores it, the column
// default -1 of rows made without one, and NULL.
TEST_F (SearchTest, QualityFilterWithAndWithoutUnratedFiles)
{
    const auto high = addRow ("high", "0.9");
    const auto enough = addRow ("enough", "0.6");
    addRow ("low", "0.3");
    const auto zero = addRow ("zero", "0");
    const auto columnDefault = addRow ("default", "-1");
    const auto null = addRow ("null", "NULL");
    auto& grid = library->getGrid();

    grid.getQualityFilter().setValue (nullptr, {}, true, 0.6);
    search();
    EXPECT_EQ (listedIds(), juce::Array<int> ({ high, enough }));

    grid.getUnratedSwitch().setValue (nullptr, {}, true, 1.0);
    search();
    const auto ids = listedIds();
    EXPECT_EQ (ids.size(), 5);
    EXPECT_EQ (ids.getFirst(), high);
    for (auto id : { zero, columnDefault, null })
    {
        EXPECT_TRUE (ids.contains (id));
        EXPECT_DOUBLE_EQ (results().findItem (id)->getQuality(), 0.0);
    }
}

TEST_F (SearchTest, NameSearchMatchesTextLiterallyIgnoringAsciiCase)
{
    const auto percent = addRow ("Kick 100%");
    const auto hundred = addRow ("Kick 1000");
    const auto underscore = addRow ("snare_2");
    const auto quote = addRow ("it's here");
    const auto backslash = addRow ("back\\slash");
    const auto accented = addRow (juce::CharPointer_UTF8 ("\xc3\x9c" "ber Pad"));

    struct Case
    {
        juce::String text;
        juce::Array<int> ids;
    };

    const Case cases[] = {
        { "KICK", { hundred, percent } },
        { "100%", { percent } },
        { "%", { percent } },
        { "_", { underscore } },
        { "e_2", { underscore } },
        { "'", { quote } },
        { "' OR 1=1 --", {} },
        { "\\", { backslash } },
        { "k\\s", { backslash } },
        { juce::CharPointer_UTF8 ("\xc3\x9c" "ber"), { accented } },
        { juce::String::repeatedString ("x", 10000), {} },
        { juce::String::charToString (1) + "\t", {} },
    };

    for (auto& c : cases)
    {
        SCOPED_TRACE (c.text.substring (0, 20));
        library->getNameFilter().setName (c.text);
        search();
        EXPECT_EQ (listedIds(), c.ids);
    }
}

TEST_F (SearchTest, RandomOrderDiffersBetweenSearchesAlsoWithTags)
{
    for (int i = 0; i < 60; ++i)
        addRow ("f" + juce::String (i), "0", { 2 });

    library->getRandom().setValue (nullptr, {}, true, 1.0);

    for (auto withTags : { false, true })
    {
        if (withTags)
            library->getGrid().getCheckedTags().addToSelection (2);

        search();
        const auto first = listedIds();
        search();
        const auto second = listedIds();

        EXPECT_EQ (first.size(), 60);
        EXPECT_NE (first, second);
    }
}

TEST_F (SearchTest, FilesWithoutTagsCountUnderTagZero)
{
    addRow ("a", "0", { 3 });
    addRow ("b");
    addRow ("c");
    auto& grid = library->getGrid();

    grid.updateCounts (true);
    EXPECT_EQ (grid.getFilteredCounts()[0], 2);
    EXPECT_EQ (grid.getTotalCounts()[0], 2);
    EXPECT_EQ (grid.getTotalCounts()[3], 1);

    library->getNameFilter().setName ("a");
    grid.updateCounts (false);
    EXPECT_FALSE (grid.getFilteredCounts().contains (0));
    EXPECT_EQ (grid.getTotalCounts()[0], 2);
}

TEST_F (SearchTest, FilteredCountsComeFromTheSearchOfTheSameFilter)
{
    const auto a = addRow ("a", "0", { 3 });
    addRow ("b", "0", { 3, 4 });
    auto& grid = library->getGrid();

    library->getNameFilter().setName ("b");
    grid.getCheckedTags().addToSelection (3);
    const auto before = grid.getFilteredUpdateCount();
    ASSERT_TRUE (pumpUntil ([&] { return grid.getFilteredUpdateCount() > before && ! results().isThreadRunning(); }, 10000));
    EXPECT_EQ (grid.getFilteredCounts()[3], 1);
    EXPECT_EQ (grid.getFilteredCounts()[4], 1);

    // A data change is counted afresh, though the search stays as it was.
    library->getNameFilter().setName ("");
    grid.getCheckedTags().deselectAll();
    finishSearch();
    pumpUntil ([] { return false; }, 50);
    library->addTagToFiles ({ a }, 4);
    grid.updateCounts (true);
    EXPECT_EQ (grid.getFilteredCounts()[4], 2);
    EXPECT_EQ (grid.getTotalCounts()[4], 2);
}

// A restart while a long search runs stops it: the list then holds only the new search's rows.
TEST_F (SearchTest, RestartStopsARunningSearch)
{
    RawDatabase raw (dbFile);
    raw.exec ("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < 200000) "
              "INSERT INTO data (name,path,type,quality) SELECT 'n' || i, '/n/' || i, 'WAV', 0 FROM n");
    raw.exec ("INSERT INTO tags_files (file,tag) SELECT id, 1 + id % 3 FROM data");

    // A random order sorts everything before the first row; newest first walks the links
    // beside the files once the list proves long.
    for (auto randomOrder : { 1.0, 0.0 })
    {
        library->getNameFilter().setName ("");
        library->getRandom().setValue (nullptr, {}, true, randomOrder);
        results().restartSearch();
        juce::Thread::sleep (30);

        library->getNameFilter().setName ("n19999");
        library->getRandom().setValue (nullptr, {}, true, 0.0);
        results().restartSearch();
        finishSearch();

        ASSERT_EQ (results().getNumRows(), 11);
        EXPECT_TRUE (results().getItem (0)->getFile().getFullPathName().startsWith ("/n/19999"));
        EXPECT_EQ (results().getItem (0)->getTags(), juce::Array<int> { 1 + results().getItem (0)->getId() % 3 });
    }
}

// Typing: the message thread reads the list while searches restart under it.
TEST_F (SearchTest, ListIsReadSafelyWhileSearchesRestart)
{
    juce::Random random (3);
    fillRandomly (random, 3000);

    for (int key = 0; key < 40; ++key)
    {
        library->getNameFilter().setName (juce::String ("Loop ").substring (0, key % 6));
        results().restartSearch();

        for (int read = 0; read < 20; ++read)
        {
            const auto rows = results().getNumRows();
            if (rows > 0)
            {
                ASSERT_NE (results().getItem (rows - 1), nullptr);
            }
            results().selectRow (read, {});
            results().getSelectedItems();
        }
    }

    finishSearch();
    EXPECT_GT (results().getNumRows(), 0);
}

TEST_F (SearchTest, DeletedOrReplacedFileUnderARunningSearch)
{
    for (int i = 0; i < 50; ++i)
        addRow ("f" + juce::String (i));

    results().restartSearch();
    dbFile.deleteFile();
    search();
    EXPECT_EQ (results().getNumRows(), 0);

    // Another library file put in its place is searched from then on.
    auto other = makeLibrary (temp / "other.db");
    other.reset();
    RawDatabase (temp / "other.db").exec ("INSERT INTO data (name,path,type,quality) VALUES ('new','/o/1','WAV',0)");
    (temp / "other.db").copyFileTo (dbFile);
    search();
    ASSERT_EQ (results().getNumRows(), 1);
    EXPECT_EQ (results().getItem (0)->getFile().getFullPathName(), "/o/1");
}
} // namespace corvane::test
