// The scan cache as a store: entries count only for the size and time they were made
// for, a damaged or foreign file is set aside and made anew, two users of one file
// both get their writes in, and a place where no cache can be made is told.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "cache/CacheRun.h"
#include "cache/ScanCache.h"
#include "cache/SqliteConnection.h"
#include "support/TempTree.h"

using namespace quorvex;
using namespace quorvex::cache;

namespace {

constexpr std::int64_t kLongAgoNs = 1'600'000'000'000'000'000; // 2020

FileStamp Stamp(std::uint64_t number, std::uint64_t size = 10, std::int64_t time = kLongAgoNs)
{
    return {7, number, size, time};
}

CachedFile Whole(std::uint64_t low)
{
    CachedFile file;
    file.wholeKnown = true;
    file.whole = {low, ~low};
    return file;
}

CacheWrite Write(const FileStamp& stamp, const CachedFile& values, std::string sketch = {})
{
    return {stamp, values, std::move(sketch)};
}

// The sketches `cache` holds for `stamps`, "" where it holds none.
std::vector<std::string> SketchesOf(ScanCache& cache, const std::vector<FileStamp>& stamps)
{
    std::vector<std::string> found(stamps.size());
    cache.lookupSketches(stamps, [&](std::size_t i, std::string_view bytes) { found[i] = bytes; });
    return found;
}

std::unique_ptr<ScanCache> OpenAt(const std::string& path)
{
    std::string problem;
    auto cache = ScanCache::Open(path, problem);
    EXPECT_TRUE(cache) << problem;
    return cache;
}

} // namespace

TEST(ScanCacheTest, EntriesCountOnlyForTheSizeAndTimeTheyWereMadeFor)
{
    test::TempTree t;
    auto cache = OpenAt(t.path("c/cache.sqlite"));
    CachedFile first;
    first.firstKnown = true;
    first.firstChunk = 42;
    cache->write({Write(Stamp(1), first), Write(Stamp(2), Whole(5))});
    cache->write({Write(Stamp(1), Whole(9))}); // adds to the entry of the same file

    // Another size, time or birth (a new file that took a removed one's number).
    const auto found =
        cache->lookup({Stamp(1), Stamp(2), Stamp(2, 11), Stamp(2, 10, kLongAgoNs + 1),
                       FileStamp{7, 2, 10, kLongAgoNs, 1}, Stamp(3), FileStamp{}});
    EXPECT_TRUE(found[0].firstKnown && found[0].wholeKnown);
    EXPECT_EQ(found[0].firstChunk, 42u);
    EXPECT_EQ(found[0].whole, Whole(9).whole);
    EXPECT_EQ(found[1].whole, Whole(5).whole);
    for (std::size_t i = 2; i < found.size(); ++i)
        EXPECT_FALSE(found[i].firstKnown || found[i].wholeKnown) << i;

    // A file rewritten to another time replaces its entry whole: the old whole hash
    // must not survive beside the new first chunk.
    CachedFile rewritten;
    rewritten.firstKnown = true;
    rewritten.firstChunk = 43;
    cache->write({Write(Stamp(1, 10, kLongAgoNs + 5), rewritten)});
    const auto after = cache->lookup({Stamp(1, 10, kLongAgoNs + 5), Stamp(1)});
    EXPECT_TRUE(after[0].firstKnown);
    EXPECT_FALSE(after[0].wholeKnown);
    EXPECT_FALSE(after[1].firstKnown);

#ifndef _WIN32 // where the user's own local application data folder keeps others out
    // Only the owner may read it: it holds what lies in the user's folders.
    struct stat status;
    ASSERT_EQ(::stat(t.path("c").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat(t.path("c/cache.sqlite").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
#endif
}

TEST(ScanCacheTest, ACacheOfTheLayoutBeforeKeepsItsEntriesAndGainsFingerprintsAndSketches)
{
    test::TempTree t;
    const std::string path = t.path("cache.sqlite");
    {
        // The layout as the program wrote it before it kept pictures' fingerprints.
        SqliteConnection old;
        ASSERT_EQ(old.open(path), SQLITE_OK);
        ASSERT_EQ(old.execute("CREATE TABLE files(device INTEGER NOT NULL, inode INTEGER NOT "
                              "NULL, size INTEGER NOT NULL, mtime INTEGER NOT NULL, born INTEGER "
                              "NOT NULL, used INTEGER NOT NULL, first_hash INTEGER, whole_hash "
                              "BLOB, PRIMARY KEY(device, inode)) WITHOUT ROWID;"
                              "CREATE TABLE meta(key TEXT PRIMARY KEY, value INTEGER) WITHOUT "
                              "ROWID; PRAGMA user_version = 2;"),
                  SQLITE_OK);
        const std::string insert = "INSERT INTO files VALUES(7, 1, 10, " +
                                   std::to_string(kLongAgoNs) + ", 0, " + std::to_string(Today()) +
                                   ", 42, NULL)";
        ASSERT_EQ(old.execute(insert.c_str()), SQLITE_OK);
    }
    auto cache = OpenAt(path);
    CachedFile picture;
    picture.pictureKnown = true;
    picture.picture = 0x8000'0000'0000'0002;
    cache->write({Write(Stamp(1), picture, "sketch"), Write(Stamp(2), picture)});
    EXPECT_EQ(SketchesOf(*cache, {Stamp(1)})[0], "sketch");
    const auto found = cache->lookup({Stamp(1), Stamp(2), Stamp(3)});
    EXPECT_TRUE(found[0].firstKnown);
    EXPECT_EQ(found[0].firstChunk, 42u);
    EXPECT_TRUE(found[0].pictureKnown && found[1].pictureKnown);
    EXPECT_EQ(found[0].picture, picture.picture);
    EXPECT_FALSE(found[2].pictureKnown);
    EXPECT_TRUE(cache->problem().empty());
    cache.reset();
    EXPECT_TRUE(OpenAt(path)->lookup({Stamp(1)})[0].pictureKnown); // and opens again as is
}

// Many stamps are looked up by ranges of numbers, sparse ones (other entries between
// them) one by one: the same entries either way, stale ones never.
TEST(ScanCacheTest, LookupsOfManyStampsFindWhatLookupsOfOneFind)
{
    test::TempTree t;
    auto cache = OpenAt(t.path("cache.sqlite"));
    std::vector<CacheWrite> writes;
    for (std::uint64_t n = 1; n <= 300; ++n)
        writes.push_back(Write(Stamp(n), Whole(n)));
    cache->write(writes);
    for (const std::uint64_t step : {1u, 3u, 37u}) {
        std::vector<FileStamp> stamps;
        for (std::uint64_t n = 1; n <= 320; n += step)
            stamps.push_back(n % 5 == 0 ? Stamp(n, 11) : Stamp(n)); // every fifth is stale
        stamps.push_back(Stamp(1));                                 // a second name of one file
        const auto found = cache->lookup(stamps);
        for (std::size_t i = 0; i < stamps.size(); ++i) {
            const std::uint64_t n = stamps[i].number;
            const bool known = n <= 300 && stamps[i].size == 10;
            ASSERT_EQ(found[i].wholeKnown, known) << step << " " << n;
            if (known) {
                EXPECT_EQ(found[i].whole, Whole(n).whole);
            }
        }
    }
}

TEST(ScanCacheTest, ADamagedFileIsKeptAsideAndTheCacheMadeAnew)
{
    test::TempTree t;
    const std::string path = t.file("cache.sqlite", std::string(8192, 'x'));
    auto cache = OpenAt(path);
    cache->write({Write(Stamp(1), Whole(1))});
    EXPECT_TRUE(cache->lookup({Stamp(1)})[0].wholeKnown);
    EXPECT_TRUE(std::filesystem::exists(path + ".damaged-1"));
    EXPECT_TRUE(cache->problem().empty());
}

TEST(ScanCacheTest, APlaceWhereNoCacheCanBeMadeIsTold)
{
    test::TempTree t;
    t.file("file");
    std::string problem;
    EXPECT_FALSE(ScanCache::Open(t.path("file/cache.sqlite"), problem));
    EXPECT_NE(problem.find("file"), std::string::npos) << problem;
}

TEST(ScanCacheTest, TwoProgramsWritingOneCacheBothKeepTheirEntries)
{
    test::TempTree t;
    auto one = OpenAt(t.path("cache.sqlite"));
    auto two = OpenAt(t.path("cache.sqlite"));
    constexpr std::uint64_t kEach = 3000;
    auto fill = [](ScanCache& cache, std::uint64_t base) {
        CacheRun run(&cache);
        for (std::uint64_t i = 0; i < kEach; ++i)
            run.store(Stamp(base + i), Whole(base + i));
    };
    std::thread a(fill, std::ref(*one), 0);
    std::thread b(fill, std::ref(*two), kEach);
    a.join();
    b.join();
    std::vector<FileStamp> stamps;
    for (std::uint64_t i = 0; i < 2 * kEach; ++i)
        stamps.push_back(Stamp(i));
    const auto found = one->lookup(stamps);
    EXPECT_EQ(std::count_if(found.begin(), found.end(), [](auto& f) { return f.wholeKnown; }),
              static_cast<std::ptrdiff_t>(2 * kEach));
    EXPECT_TRUE(one->problem().empty() && two->problem().empty());
    EXPECT_EQ(one->stats().entries, 2 * kEach);
}

TEST(ScanCacheTest, RecentFilesAreNotKeptAndPruningAndClearingDropEntries)
{
    test::TempTree t;
    auto cache = OpenAt(t.path("cache.sqlite"));
    {
        CacheRun run(cache.get());
        run.store(Stamp(1), Whole(1));
        // Written a moment ago: a second write within the same tick of the file's
        // clock could leave its time as it is.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        run.store(Stamp(2, 10, std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                  Whole(2));
    }
    EXPECT_EQ(cache->stats().entries, 1u);
    EXPECT_EQ(cache->prune(kPruneAfterDays, kMaxEntries), 0u);
    cache->write({Write(Stamp(3), Whole(3)), Write(Stamp(4), Whole(4))});
    EXPECT_EQ(cache->prune(kPruneAfterDays, 2), 1u); // beyond the cap
    EXPECT_EQ(cache->prune(-1, kMaxEntries), 2u);    // all used before tomorrow
    cache->write({Write(Stamp(5), Whole(5))});
    EXPECT_TRUE(cache->clear());
    EXPECT_EQ(cache->stats().entries, 0u);
}

TEST(ScanCacheTest, SketchesCountOnlyForTheirStampAndGoWithTheirEntriesBeyondTheirCap)
{
    test::TempTree t;
    const std::string path = t.path("cache.sqlite");
    auto cache = OpenAt(path);
    cache->write({Write(Stamp(1), Whole(1))});
    cache->write({Write(Stamp(1), {}, "one"), Write(Stamp(2), Whole(2), "two")});
    EXPECT_EQ(SketchesOf(*cache, {Stamp(2), Stamp(1), Stamp(1, 11), Stamp(3)}),
              (std::vector<std::string>{"two", "one", "", ""}));
    EXPECT_TRUE(cache->lookup({Stamp(1)})[0].wholeKnown); // a sketch keeps the hashes

    // The file changed: its old sketch never answers for the new contents.
    cache->write({Write(Stamp(1, 12), Whole(7))});
    EXPECT_EQ(SketchesOf(*cache, {Stamp(1, 12), Stamp(1)})[0], "");

    // Beyond the cap, the sketch of the file used longest ago goes first.
    SqliteConnection db;
    ASSERT_EQ(db.open(path), SQLITE_OK);
    ASSERT_EQ(db.execute("UPDATE files SET used = used - 1 WHERE inode = 2"), SQLITE_OK);
    cache->write({Write(Stamp(3), Whole(3), "three")});
    EXPECT_EQ(cache->prune(kPruneAfterDays, kMaxEntries, 8), 0u);
    EXPECT_EQ(SketchesOf(*cache, {Stamp(2), Stamp(3), Stamp(1)}),
              (std::vector<std::string>{"", "three", "one"}));
    EXPECT_TRUE(cache->lookup({Stamp(2)})[0].wholeKnown);
    EXPECT_TRUE(cache->clear());
    EXPECT_EQ(SketchesOf(*cache, {Stamp(3)})[0], "");
}
