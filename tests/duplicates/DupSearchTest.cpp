#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "DupTestSupport.h"
#include "common/ReadPlan.h"
#include "duplicates/DupPairing.h"
#include "duplicates/DupSearch.h"
#include "platform/FileSystem.h"
#include "platform/TempFileNames.h"
#include "support/TempTree.h"

using namespace quorvex;
using quorvex::test::Rows;
using Strings = std::vector<std::string>;

namespace {

class DupSearchTest : public ::testing::Test
{
protected:
    ~DupSearchTest() override { platform::SetFaultHook(nullptr); }

    DupSearchRun search(int threshold, const std::string& file = {})
    {
        DupSearchParams params{filters, threshold, observer};
        params.threads = threads;
        return StartDupSearch(file.empty() ? file : t.path(file), t.root(), params, list);
    }

    // 40 bytes whose 4-byte word `k` is changed for every k in `changedWords`.
    static std::string Words(std::initializer_list<int> changedWords)
    {
        std::string text = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
        for (int k : changedWords)
            text[static_cast<std::size_t>(k) * 4] = '#';
        return text;
    }

    test::TempTree t;
    FilterSettings filters;
    test::RecordingObserver observer;
    unsigned threads = 0;
    DupList list;
};

} // namespace

TEST(SizeRatioTest, WholePercentOfTheSmallerSizeWithoutOverflow)
{
    EXPECT_EQ(SizeRatio(0, 0), 100);
    EXPECT_EQ(SizeRatio(7, 7), 100);
    EXPECT_EQ(SizeRatio(0, 5), 0);
    EXPECT_EQ(SizeRatio(1000, 1250), 80);
    EXPECT_EQ(SizeRatio(1251, 1000), 79);
    EXPECT_EQ(SizeRatio(std::uint64_t{1} << 63, UINT64_MAX), 50);
}

TEST_F(DupSearchTest, IdenticalFilesFormOneGroupHeadedByTheFirstInWalkOrder)
{
    t.file("a.txt", "same bytes");
    t.file("sub/b.txt", "same bytes");
    t.file("sub/deeper/c.txt", "same bytes");
    t.file("odd.txt", "other text");
    const DupSearchRun run = search(100);
    EXPECT_TRUE(run.ran);
    EXPECT_FALSE(run.nothingFound);
    EXPECT_EQ(Rows(list), (Strings{"a.txt 基準 1 1", "b.txt 100% 1 1", "c.txt 100% 1 1"}));
    EXPECT_EQ(list.RecordPath(list[2]), t.path("sub/deeper/c.txt"));
}

TEST_F(DupSearchTest, FilesOfTheSameNameInOtherFoldersAreReadFromTheirOwnFolder)
{
    t.file("a/f", "one");
    t.file("a/g", "two");
    t.file("b/f", "two"); // read as a/f, it would part from a/g by its first chunk
    search(100);
    ASSERT_EQ(Rows(list), (Strings{"g 基準 2 1", "f 100% 2 1"}));
    EXPECT_EQ(list.RecordPath(list[1]), t.path("b/f"));
}

TEST_F(DupSearchTest, LabelsAreWalkPositionsAndBandsAlternate)
{
    t.file("1", "unique one");
    t.file("2", "pair x");
    t.file("3", "unique two");
    t.file("4", "triple");
    t.file("5", "pair x");
    t.file("6", "triple");
    t.file("7", "triple");
    search(100);
    EXPECT_EQ(Rows(list),
              (Strings{"2 基準 2 1", "5 100% 2 1", "4 基準 4 0", "6 100% 4 0", "7 100% 4 0"}));
    // The progress runs over the files but one, as the time estimate reads it.
    EXPECT_EQ(observer.overallMax, 6u);
    EXPECT_GE(observer.steps, 6u);
}

TEST_F(DupSearchTest, MembersAreComparedWithTheReferenceOnly)
{
    // At 90: b matches a, c matches b but only 80% of a; d repeats c.
    t.file("a", Words({}));
    t.file("b", Words({1}));
    t.file("c", Words({1, 2}));
    search(90);
    EXPECT_EQ(Rows(list), (Strings{"a 基準 1 1", "b 90% 1 1"}));
    EXPECT_EQ(observer.overallMax, 2u);
    EXPECT_EQ(observer.overallPeak, 2u); // then back to 0
    EXPECT_EQ(observer.overallPosition, 0u);

    t.file("d", Words({1, 2}));
    search(90);
    EXPECT_EQ(Rows(list), (Strings{"a 基準 1 1", "b 90% 1 1", "c 基準 3 0", "d 100% 3 0"}));
}

TEST_F(DupSearchTest, SizeFilterDecidesBeforeContent)
{
    // The larger file leads, so the smaller one's equal prefix scores 80%.
    t.file("a", std::string(1250, 'x'));
    t.file("b", std::string(1000, 'x'));
    search(80);
    EXPECT_EQ(Rows(list), (Strings{"a 基準 1 1", "b 80% 1 1"}));

    t.file("a", std::string(1251, 'x')); // ratio 79: never compared
    const DupSearchRun run = search(80);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(run.nothingFound);

    search(100); // different sizes never pair at 100
    EXPECT_TRUE(list.empty());
}

TEST_F(DupSearchTest, ZeroSizeFilesNeverFormGroups)
{
    t.file("empty1");
    t.file("empty2");
    for (int threshold : {100, 50})
        EXPECT_TRUE(search(threshold).nothingFound);

    t.file("nonempty", "x");
    search(10, "empty1"); // an empty target matches only empty files
    EXPECT_EQ(Rows(list), (Strings{"empty1 100%  ", "empty2 100%  "}));
}

TEST_F(DupSearchTest, IdenticalSearchListsMatchesInWalkOrderIncludingTheTarget)
{
    t.file("z.txt", "target text!");
    t.file("a.txt", "target text?"); // differs in the last word: 66%
    t.file("sub/copy.txt", "target text!");
    t.file("sub/other.txt", "something else");
    const DupSearchRun run = search(100, "z.txt");
    EXPECT_FALSE(run.DupMode);
    EXPECT_EQ(Rows(list), (Strings{"z.txt 100%  ", "copy.txt 100%  "}));

    search(60, "z.txt");
    EXPECT_EQ(Rows(list), (Strings{"a.txt 66%  ", "z.txt 100%  ", "copy.txt 100%  "}));
}

// The files compared with the target are read in batches in the order the plan
// gives (here reversed), and the matches are still listed in the walk's order,
// across folders and batches.
TEST_F(DupSearchTest, IdenticalSearchListsMatchesInWalkOrderWhateverTheReadOrder)
{
    for (int i = 0; i < 1200; ++i)
        t.file("d" + std::to_string(i % 3) + "/f" + std::to_string(1000 + i),
               i % 7 == 0 ? "target text!" : "target text" + std::to_string(i % 10));
    t.file("target", "target text!");
    search(100, "target");
    const Strings walked = Rows(list);
    ASSERT_EQ(walked.size(), 1200u / 7 + 2);

    int plans = 0;
    SetReadOrderHook([&](std::vector<std::uint32_t>& order) {
        ++plans;
        std::reverse(order.begin(), order.end());
    });
    search(100, "target");
    SetReadOrderHook(nullptr);
    EXPECT_GE(plans, 2); // more than one batch
    EXPECT_EQ(Rows(list), walked);
}

// With the scan cache, the identical search reads each other file once and keeps its
// hash: the next search lists the same matches without opening any of those files.
TEST_F(DupSearchTest, IdenticalSearchOpensNoFileWhoseHashTheCacheHolds)
{
    const char* old = "2021-01-01 00:00:00";
    t.file("target", "target text!", old);
    for (int i = 0; i < 40; ++i)
        t.file("d/f" + std::to_string(i),
               i % 4 == 0 ? "target text!" : "target text" + std::to_string(i % 10), old);
    test::TempTree place;
    std::string problem;
    const auto cache = cache::ScanCache::Open(place.path("cache.sqlite"), problem);
    ASSERT_TRUE(cache) << problem;
    const auto searchCached = [&] {
        DupSearchParams params{filters, 100, observer};
        params.cache = cache.get();
        StartDupSearch(t.path("target"), t.root(), params, list);
        return Rows(list);
    };
    const Strings first = searchCached();
    ASSERT_EQ(first.size(), 11u);

    std::set<std::string> opened;
    std::mutex noting; // a plan opens files on several workers
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        const std::lock_guard lock(noting);
        if (point == platform::FaultPoint::Open)
            opened.emplace(path);
        return false;
    });
    EXPECT_EQ(searchCached(), first);
    platform::SetFaultHook(nullptr);
    opened.erase(t.path("target"));
    EXPECT_EQ(opened, std::set<std::string>{});
}

TEST_F(DupSearchTest, RefusedInputsSearchNothingAndSayWhy)
{
    t.file("f", "x");
    t.file("g", "x");
    const DupSearchParams params{filters, 100, observer};
    DupSearchRun run = StartDupSearch(t.path("f"), "", params, list);
    EXPECT_FALSE(run.ran);
    EXPECT_EQ(run.refusal.reason, RefusalReason::UnknownFolder);
    EXPECT_EQ(run.refusal.path, "");
    EXPECT_FALSE(run.nothingFound);

    run = StartDupSearch(t.path("nothing"), t.root(), params, list);
    EXPECT_EQ(run.refusal.reason, RefusalReason::UnknownFile);
    EXPECT_EQ(run.refusal.path, t.path("nothing"));

    run = StartDupSearch("", t.path("f"), params, list); // a file where a folder belongs
    EXPECT_EQ(run.refusal.reason, RefusalReason::UnknownFolder);
    EXPECT_EQ(run.refusal.path, t.path("f"));
    EXPECT_TRUE(list.empty());
}

TEST_F(DupSearchTest, HiddenFilesAndFoldersTakePartOnlyWhenIncluded)
{
    t.file("a", "same");
    t.file(".b", "same");
    t.file(".hidden/c", "same");
    t.hide(".b");
    t.hide(".hidden");
    search(100);
    EXPECT_TRUE(list.empty());
    filters.includeHidden = true;
    search(100);
    EXPECT_EQ(Rows(list), (Strings{".b 基準 1 1", "a 100% 1 1", "c 100% 1 1"}));
}

TEST_F(DupSearchTest, MasksTestTheKeyFromTheFirstDot)
{
    t.file("backup.tar.gz", "same");
    t.file("other.gz", "same");
    t.file("README", "same");
    t.file("NOTES", "same");
    filters.useMasks = true;
    filters.activeMasks = {"*.tar.gz", "*.?"};
    search(100);
    EXPECT_TRUE(list.empty()); // only backup.tar.gz passes

    filters.exclusion = true;
    search(100);
    EXPECT_EQ(Rows(list), (Strings{"NOTES 基準 1 1", "other.gz 100% 1 1", "README 100% 1 1"}));
}

TEST_F(DupSearchTest, ARewritesTemporaryFileBesideItsTargetIsLeftOut)
{
    const std::string lone = "lone.tmp-" + platform::NewTempSuffix();
    t.file("k.txt", "same");
    t.file("k.txt.tmp-" + platform::NewTempSuffix(), "same"); // another run replacing k.txt
    t.file(lone, "same"); // no file of that name: the user's own
    search(100);
    EXPECT_EQ(Rows(list), (Strings{"k.txt 基準 1 1", lone + " 100% 1 1"}));
}

TEST_F(DupSearchTest, UnreadableFilesNeverMatchAndNeverStopTheSearch)
{
    for (const char* name : {"a", "b", "c", "d"})
        t.file(name, "same content");
#ifndef _WIN32
    t.fifo("pipe");
#endif
    filters.includeSystem = true;
    const std::string blocked = t.path("a"), failing = t.path("c");
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        return (point == platform::FaultPoint::Open && path == blocked) ||
               (point == platform::FaultPoint::Read && path == failing);
    });
    for (int threshold : {100, 90}) {
        search(threshold);
        EXPECT_EQ(Rows(list), (Strings{"b 基準 2 1", "d 100% 2 1"})) << threshold;
    }
    search(100, "b");
    EXPECT_EQ(Rows(list), (Strings{"b 100%  ", "d 100%  "}));
}

TEST_F(DupSearchTest, CancelWhileCollectingPairsNothing)
{
    for (const char* name : {"a", "b", "c"})
        t.file(name, "same");
    observer.onPump = [&](int pumps) { observer.cancel = pumps >= 2; };
    for (int threshold : {100, 50}) {
        observer.pumps = 0;
        observer.cancel = false;
        EXPECT_TRUE(search(threshold).nothingFound);
    }
}

TEST_F(DupSearchTest, CancelWhilePairingKeepsCompletedGroups)
{
    t.file("a", "the first");
    t.file("b", "the first");
    t.file("c", "second");
    t.file("d", "second");
    // One worker groups the larger size (a, b) before c and d, and c's last opening,
    // for its grouping (counted in a first run, since planning the reads may open
    // files too), waits for the next pump, which requests the cancel.
    threads = 1;
    int opensOfC = 0;
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        opensOfC += point == platform::FaultPoint::Open && path == t.path("c");
        return false;
    });
    search(100);
    const int lastOpenOfC = opensOfC;
    list = {};
    opensOfC = 0;
    std::atomic<bool> waiting = false, cancelled = false;
    observer.onPump = [&](int) {
        if (waiting)
            observer.cancel = cancelled = true;
    };
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        if (point == platform::FaultPoint::Open && path == t.path("c") &&
            ++opensOfC == lastOpenOfC) {
            waiting = true;
            while (!cancelled)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    });
    search(100);
    EXPECT_EQ(Rows(list), (Strings{"a 基準 1 1", "b 100% 1 1"}));
}

TEST_F(DupSearchTest, FilesBeyondFourGibAreSizedAndGroupedByTheirFullSize)
{
    constexpr std::uintmax_t kHuge = (std::uintmax_t{1} << 32) + 10;
    for (const char* name : {"huge1", "huge2", "huge3"}) {
        t.file(name, std::string(name));
        std::filesystem::resize_file(t.path(name), kHuge); // sparse
    }
    // Sized modulo 2^32, this file would look like huge1.
    t.file("small", std::string("huge1") + std::string(5, '\0'));
    search(100);
    EXPECT_TRUE(list.empty());

    CollectFiles(t.root(), {filters, 100, observer}, list);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(SizeDigits(list[0]), "4294967306");
}
