// The exact pairing must give what the pairwise pairing gives at threshold 100:
// the same labels, contents and, after the final sort, the same rows in the same
// order. Random trees mix copies, same-size near-copies that differ in the first,
// a later or the last chunk, files that cannot be opened or read, and one size
// class large enough to be split by hash first. With the scan cache the groups stay
// the same, cold or warm, as files change, grow, move, gain links or are replaced
// between runs, and a warm run over an unchanged tree opens no file; below 100 % a
// warm run opens fewer.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "DupTestSupport.h"
#include "LiteralPairing.h"
#include "cache/CacheRun.h"
#include "common/ReadPlan.h"
#include "duplicates/CachedHashes.h"
#include "duplicates/DupPairing.h"
#include "duplicates/DupSearch.h"
#include "duplicates/DupSort.h"
#include "platform/FileSystem.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

using namespace quorvex;

namespace {

class RandomTree
{
public:
    explicit RandomTree(unsigned seed) : random_(seed) {}

    void fill(const test::TempTree& t, int files)
    {
        const std::vector<std::size_t> sizes = {1, 3, 4, 4096, 4097, 70000, 200000};
        std::vector<std::string> originals;
        for (int i = 0; i < files; ++i) {
            const std::string name = "d" + std::to_string(pick(4)) + "/f" + std::to_string(i);
            std::string content;
            if (!originals.empty() && pick(3) != 0) {
                content = originals[pick(originals.size())];
                if (pick(2) == 0)
                    flipOneByte(content);
            } else {
                content = randomBytes(sizes[pick(sizes.size())]);
                originals.push_back(content);
            }
            // Long written, so that the cache keeps them.
            t.file(name, content, "2021-03-04 05:06:07");
            names.push_back(name);
            if (pick(12) == 0)
                unreadable.insert(t.path(name));
        }
    }

    // Many files of one size with few distinct contents, more than the chunk
    // buffers may hold at once.
    void fillLargeClass(const test::TempTree& t, int files)
    {
        std::vector<std::string> variants;
        for (int v = 0; v < 3; ++v)
            variants.push_back(randomBytes(5000));
        for (int i = 0; i < files; ++i)
            t.file("big/f" + std::to_string(i), variants[pick(variants.size())]);
    }

    // Changes what a cache could mistake: same size and new bytes with another time,
    // growth, a move, a second hard link, and a copy put in a file's place with its
    // bytes and time.
    void change(const test::TempTree& t)
    {
        for (std::size_t i = 0; i < names.size(); i += 5) {
            const std::string path = t.path(names[i]);
            const auto size = std::filesystem::file_size(path);
            switch (i / 5 % 5) {
            case 0:
                t.file(names[i], randomBytes(size), "2022-01-01 00:00:00");
                break;
            case 1:
                t.file(names[i], randomBytes(size + 1), "2021-03-04 05:06:07");
                break;
            case 2:
                std::filesystem::create_directories(
                    std::filesystem::path(t.path("moved/" + names[i])).parent_path());
                std::filesystem::rename(path, t.path("moved/" + names[i]));
                break;
            case 3:
                std::filesystem::create_hard_link(path, path + "-link");
                break;
            default:
                std::filesystem::copy_file(path, path + "-copy");
                std::filesystem::rename(path + "-copy", path);
                t.setTime(names[i], "2021-03-04 05:06:07");
            }
        }
    }

    std::set<std::string> unreadable;
    std::vector<std::string> names;

private:
    std::size_t pick(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    std::string randomBytes(std::size_t size)
    {
        std::string bytes(size, '\0');
        for (char& c : bytes)
            c = static_cast<char>(pick(4)); // low entropy: chunks often agree by chance
        return bytes;
    }

    void flipOneByte(std::string& content)
    {
        const std::size_t where[] = {0, content.size() / 2, content.size() - 1};
        content[where[pick(3)]] ^= 0x55;
    }

    std::mt19937 random_;
};

void FinishLikeTheSearch(DupList& list)
{
    list.removeUngrouped();
    SortDupListByCell(list, 65536 + kCellGroup);
    AssignBands(list);
}

void InjectReadFailures(const RandomTree& tree, std::atomic<std::size_t>* readableOpens = nullptr)
{
    platform::SetFaultHook(
        [&tree, readableOpens](platform::FaultPoint point, std::string_view path) {
            const bool unreadable = tree.unreadable.count(std::string(path)) != 0;
            if (readableOpens != nullptr && point == platform::FaultPoint::Open && !unreadable)
                ++*readableOpens;
            return point != platform::FaultPoint::List && unreadable &&
                   (point == platform::FaultPoint::Open) == (path.back() % 2 == 0);
        });
}

// Takes the tree's files out of the system's cache, so that the search reads them as
// on a first run: planned, hinted ahead and read in the planned order.
void DropFromCache(const test::TempTree& t)
{
    for (const auto& entry : std::filesystem::recursive_directory_iterator(t.root())) {
        if (!entry.is_regular_file())
            continue;
        test::DropFromPageCache(entry.path().string());
    }
}

void ExpectAgreement(const test::TempTree& t, const RandomTree& tree, bool firstRun = false)
{
    InjectReadFailures(tree);
    FilterSettings filters;
    DupList literal;
    CollectFiles(t.root(), {filters, 100, silentObserver()}, literal);
    DupList exact = literal;
    DupList exactOnOneWorker = literal;

    test::LiteralPairing(literal, 100, silentObserver());
    test::RecordingObserver manyWorkers, oneWorker;
    if (firstRun)
        DropFromCache(t);
    PairIdenticalFiles(exact, manyWorkers, 8);
    if (firstRun)
        DropFromCache(t);
    PairIdenticalFiles(exactOnOneWorker, oneWorker, 1);
    platform::SetFaultHook(nullptr);
    // The unreadable files are told by size, in the same order on any number of
    // workers.
    EXPECT_EQ(manyWorkers.unread, oneWorker.unread);
    std::vector<std::uintmax_t> sizes;
    for (const std::string& told : manyWorkers.unread)
        sizes.push_back(std::filesystem::file_size(told.substr(0, told.find(": "))));
    EXPECT_TRUE(std::is_sorted(sizes.begin(), sizes.end()));

    FinishLikeTheSearch(literal);
    FinishLikeTheSearch(exact);
    FinishLikeTheSearch(exactOnOneWorker);
    EXPECT_FALSE(exact.empty());
    ASSERT_EQ(test::Rows(exact), test::Rows(literal));
    ASSERT_EQ(test::Rows(exactOnOneWorker), test::Rows(literal));
    for (std::size_t i = 0; i < exact.size(); ++i)
        ASSERT_EQ(exact.RecordPath(exact[i]), literal.RecordPath(literal[i]));
}

// The pairing at `threshold` through `cache` (with a contents budget that holds only
// some files) against the pairwise pairing; returns how many readable files it opened.
std::size_t ExpectCachedAgreement(const test::TempTree& t, const RandomTree& tree,
                                  cache::ScanCache& cache, int threshold = 100)
{
    FilterSettings filters;
    DupList literal;
    CollectFiles(t.root(), {filters, threshold, silentObserver()}, literal);
    DupList cached;
    std::vector<cache::FileStamp> stamps;
    CollectFiles(t.root(), {filters, threshold, silentObserver()}, cached, &stamps);
    InjectReadFailures(tree);
    test::LiteralPairing(literal, threshold, silentObserver());
    std::atomic<std::size_t> opens = 0;
    InjectReadFailures(tree, &opens);
    {
        cache::CacheRun run(&cache);
        const ContentCache use{run, stamps};
        if (threshold == 100)
            PairIdenticalFiles(cached, silentObserver(), 2, &use);
        else
            PairSimilarFiles(cached, {threshold, 2, 1 << 20, 64 << 20, &use}, silentObserver());
    }
    platform::SetFaultHook(nullptr);
    EXPECT_TRUE(cache.problem().empty()) << cache.problem();
    FinishLikeTheSearch(literal);
    FinishLikeTheSearch(cached);
    EXPECT_FALSE(cached.empty());
    EXPECT_EQ(test::Rows(cached), test::Rows(literal));
    return opens;
}

} // namespace

// At 100 % a warm run opens no file; below it the cache's sketches and hashes spare
// reads. Neither changes a group.
TEST(PairingAgreementTest, CachedPairingMatchesPairwisePairingAsTheTreeChanges)
{
    for (unsigned run = 1; run <= 10; ++run) {
        const unsigned seed = run <= 6 ? run : run - 6;
        const int threshold = run <= 6 ? 100 : run % 2 == 0 ? 90 : 60;
        SCOPED_TRACE(std::to_string(seed) + " at " + std::to_string(threshold));
        test::TempTree t, place;
        std::string problem;
        const auto cache = cache::ScanCache::Open(place.path("cache.sqlite"), problem);
        ASSERT_TRUE(cache) << problem;
        RandomTree tree(seed);
        tree.fill(t, 40);
        const std::size_t cold = ExpectCachedAgreement(t, tree, *cache, threshold);
        EXPECT_GT(cold, 0u);
        const std::size_t warm = ExpectCachedAgreement(t, tree, *cache, threshold);
        if (threshold == 100)
            EXPECT_EQ(warm, 0u);
        else
            EXPECT_LT(warm, cold);
        tree.change(t);
        ExpectCachedAgreement(t, tree, *cache, threshold);
    }
}

TEST(PairingAgreementTest, ExactPairingMatchesPairwisePairingOnRandomTrees)
{
    for (unsigned seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE(seed);
        test::TempTree t;
        RandomTree tree(seed);
        tree.fill(t, 40);
        ExpectAgreement(t, tree);
    }
}

TEST(PairingAgreementTest, ExactPairingMatchesPairwisePairingOnALargeSizeClass)
{
    test::TempTree t;
    RandomTree tree(99);
    tree.fillLargeClass(t, 300);
    ExpectAgreement(t, tree);
}

// The order the files are read in (the disk's, or any other), from the cache or from
// the disk, changes no group, row or message.
TEST(PairingAgreementTest, ExactPairingDoesNotDependOnTheReadOrder)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 shuffle(seed);
        SetReadOrderHook([&](std::vector<std::uint32_t>& order) {
            if (seed % 2 == 0)
                std::reverse(order.begin(), order.end());
            else
                std::shuffle(order.begin(), order.end(), shuffle);
        });
        test::TempTree t;
        RandomTree tree(seed);
        tree.fill(t, 40);
        tree.fillLargeClass(t, 80);
        ExpectAgreement(t, tree, seed > 2);
        SetReadOrderHook(nullptr);
    }
}
