#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "cache/ScanCache.h"
#include "common/ContentCompare.h"
#include "common/ReadPlan.h"
#include "compare/ContentComparisons.h"
#include "platform/FileSystem.h"
#include "platform/ReadPlacement.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

using namespace quorvex;

// Many workers on pairs of every size, some unreadable: each row gets the
// percentage one comparison on the calling thread gives, and rows and messages come
// back in the order the pairs were queued, also when the pairs are read in another
// order than the disk's.
TEST(ContentComparisons, ResultsAndMessagesInQueueOrderWhateverTheWorkers)
{
    test::TempTree t;
    struct Pair
    {
        std::string a, b;
        std::uint64_t bytes;
    };
    std::vector<Pair> pairs;
    for (unsigned i = 0; i < 40; ++i) {
        // The first pairs are the largest, so later ones finish first.
        const std::uint64_t size = i < 4 ? (3u << 20) : 100 + i;
        const std::string name = std::to_string(i);
        const std::string a = t.patternFile("A/" + name, size, i);
        const std::string b = i % 7 == 3 ? t.path("B/missing" + name)
                                         : t.patternFile("B/" + name, size + i % 3, i + i % 2);
        pairs.push_back({a, b, size});
    }
    std::vector<std::pair<std::size_t, int>> expected;
    test::RecordingObserver serial;
    ContentBuffers buffers;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        int percent = -1;
        CompareContents(pairs[i].a, pairs[i].b, 0, percent, buffers, serial);
        expected.emplace_back(1000 - 10 * i, percent);
    }
    ASSERT_EQ(serial.unread.size(), 6u);

    for (const bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "read in reverse" : "read in the disk's order");
        if (reversed)
            SetReadOrderHook([](std::vector<std::uint32_t>& order) {
                std::reverse(order.begin(), order.end());
            });
        test::RecordingObserver observer;
        ContentComparisons comparisons(observer, 8);
        std::uint64_t bytes = 0;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            comparisons.add(1000 - 10 * i, pairs[i].a, pairs[i].b, pairs[i].bytes);
            bytes += pairs[i].bytes;
        }
        std::vector<std::pair<std::size_t, int>> applied;
        comparisons.finish(
            [&](std::size_t row, int percent) { applied.emplace_back(row, percent); });
        SetReadOrderHook(nullptr);
        EXPECT_EQ(applied, expected);
        EXPECT_EQ(observer.unread, serial.unread);
        EXPECT_EQ(observer.workDone, bytes);
    }
    test::RecordingObserver observer;
    ContentComparisons comparisons(observer, 8);
    std::vector<std::pair<std::size_t, int>> applied;
    // A second batch starts from an empty queue.
    comparisons.add(7, pairs[0].a, pairs[0].a, pairs[0].bytes);
    applied.clear();
    comparisons.finish([&](std::size_t row, int percent) { applied.emplace_back(row, percent); });
    EXPECT_EQ(applied, (std::vector<std::pair<std::size_t, int>>{{7, 100}}));
}

// Pairs the scan cache knows equal are 100 % without a read; a pair one of whose files
// changed since (another time), or that the cache knows unequal, is compared, and the
// files read whole leave their true hashes for the next run; a file read in part
// leaves none.
TEST(ContentComparisons, PairsTheCacheKnowsEqualAreNotRead)
{
    test::TempTree t, place;
    const char* old = "2021-01-01 00:00:00";
    const std::string a1 = t.file("A/1", "same bytes", old), b1 = t.file("B/1", "same bytes", old);
    const std::string a2 = t.file("A/2", "same bytes", old), b2 = t.file("B/2", "same bytes", old);
    const std::string a3 = t.file("A/3", "same bytes", old), b3 = t.file("B/3", "sane bytes", old);
    // B ends within the first block, so A is read only in part.
    const std::string a4 = t.patternFile("A/4", 200'000, 4), b4 = t.patternFile("B/4", 100'000, 4);
    t.setTime("A/4", old);
    t.setTime("B/4", old);
    std::string problem;
    const auto cache = cache::ScanCache::Open(place.path("cache.sqlite"), problem);
    ASSERT_TRUE(cache) << problem;
    const auto stampOf = [](const std::string& path) {
        return cache::StampOf(*platform::LookupEntry(path));
    };
    cache::CachedFile same, other;
    same.wholeKnown = other.wholeKnown = true;
    same.whole = {1, 2};
    other.whole = {3, 4};
    std::vector<cache::CacheWrite> writes;
    for (const std::string* path : {&a1, &b1, &a2, &b2, &a3})
        writes.push_back({stampOf(*path), same, {}});
    writes.push_back({stampOf(b3), other, {}});
    cache->write(writes);
    t.setTime("B/2", "2022-01-01 00:00:00"); // its entry no longer counts
    int unequal = -1;
    ContentBuffers buffers;
    test::RecordingObserver serial;
    CompareContents(a3, b3, 0, unequal, buffers, serial);
    ASSERT_LT(unequal, 100);

    std::vector<std::string> opened;
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        if (point == platform::FaultPoint::Open)
            opened.emplace_back(path);
        return false;
    });
    test::RecordingObserver observer;
    ContentComparisons comparisons(observer, 1, cache.get());
    comparisons.add(1, a1, b1, 10);
    comparisons.add(2, a2, b2, 10);
    comparisons.add(3, a3, b3, 10);
    std::vector<std::pair<std::size_t, int>> applied;
    comparisons.finish([&](std::size_t row, int percent) { applied.emplace_back(row, percent); });
    EXPECT_EQ(applied,
              (std::vector<std::pair<std::size_t, int>>{{1, 100}, {2, 100}, {3, unequal}}));
    // Only the pairs the cache cannot vouch for are opened (to plan, hint and read).
    const auto sorted = [](std::vector<std::string> files) {
        std::sort(files.begin(), files.end());
        files.erase(std::unique(files.begin(), files.end()), files.end());
        return files;
    };
    EXPECT_EQ(sorted(opened), sorted({a2, b2, a3, b3}));
    EXPECT_EQ(observer.workDone, 30u);

    comparisons.add(4, a4, b4, 200'000);
    comparisons.finish([](std::size_t, int) {});
    opened.clear();
    comparisons.add(2, a2, b2, 10);
    comparisons.add(3, a3, b3, 10);
    comparisons.add(4, a4, b4, 200'000);
    applied.clear();
    comparisons.finish([&](std::size_t row, int percent) { applied.emplace_back(row, percent); });
    platform::SetFaultHook(nullptr);
    EXPECT_EQ(sorted(opened), sorted({a3, b3, a4, b4}));
    EXPECT_EQ(applied[0], (std::pair<std::size_t, int>{2, 100}));
    const std::vector<cache::CachedFile> held =
        cache->lookup({stampOf(a2), stampOf(b3), stampOf(a4), stampOf(b4)});
    std::string failure;
    EXPECT_TRUE(held[0].wholeKnown &&
                held[0].whole == cache::HashFile(a2, 10, failure, [] { return true; }));
    EXPECT_TRUE(held[1].wholeKnown &&
                held[1].whole == cache::HashFile(b3, 10, failure, [] { return true; }));
    EXPECT_FALSE(held[2].wholeKnown);
    EXPECT_FALSE(held[3].wholeKnown);
}

// On a first run, when the files come from the device, each file is opened once after
// the plan: the file opened to hint its reading is the one read.
TEST(ContentComparisons, FilesHintedFromTheDeviceAreReadWithoutOpeningThemAgain)
{
    test::TempTree t;
    std::vector<std::string> files;
    for (int i = 0; i < 8; ++i) {
        const std::string name = std::to_string(i);
        files.push_back(t.patternFile("A/" + name, 20'000, i));
        files.push_back(t.patternFile("B/" + name, 20'000, i % 2));
    }
    for (const std::string& file : files)
        test::DropFromPageCache(file);
    platform::InputFile probe;
    ASSERT_TRUE(probe.open(files[0]));
    if (platform::IsPageCached(probe, 0))
        GTEST_SKIP() << "the file system keeps the files in the cache";
    probe.close();

    bool planned = false;
    SetReadOrderHook([&](std::vector<std::uint32_t>&) { planned = true; });
    std::map<std::string, int> opensAfterPlan;
    std::mutex counting; // the workers open files side by side
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        const std::lock_guard lock(counting);
        if (point == platform::FaultPoint::Open && planned)
            ++opensAfterPlan[std::string(path)];
        return false;
    });
    test::RecordingObserver observer;
    ContentComparisons comparisons(observer, 2);
    for (std::size_t i = 0; i < files.size(); i += 2)
        comparisons.add(i, files[i], files[i + 1], 20'000);
    std::vector<int> percents;
    comparisons.finish([&](std::size_t, int percent) { percents.push_back(percent); });
    platform::SetFaultHook(nullptr);
    SetReadOrderHook(nullptr);
    ASSERT_EQ(percents.size(), 8u);
    EXPECT_EQ(percents[1], 100);
    EXPECT_LT(percents[2], 100);
    ASSERT_EQ(opensAfterPlan.size(), files.size());
    for (const auto& [path, opens] : opensAfterPlan)
        EXPECT_EQ(opens, 1) << path;
}
