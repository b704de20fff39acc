// The similarity pairing must give exactly what judging pair after pair in list
// order gives: the same groups, percentages, order and bands, for any number of
// threads and any memory budget, also when it pairs from disk what it left open. Random trees mix
// near-copies made by changing words, appending, cutting and shifting, files across 128 KiB blocks,
// empty files, files that cannot be opened or read, and a file that changes between the walk and
// the pairing.

#include "SimilarTrees.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <random>

using namespace quorvex;
using namespace quorvex::test;

TEST(SimilarPairing, MatchesThePairwiseRuleForEveryThresholdThreadCountAndBudget)
{
    const std::uint64_t budgets[] = {512ull << 20, 300000, 0};
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        TempTree t;
        NearCopyTree tree(seed);
        tree.fill(t, 45);
        tree.installFaults();
        const DupList collected = Collected(t);
        for (int threshold : {10, 50, 90, 99}) {
            SCOPED_TRACE(threshold);
            const std::vector<std::string> expected = Literal(collected, threshold);
            const std::uint64_t budget = budgets[(seed + threshold) % 3];
            EXPECT_EQ(Similar(collected, threshold, 1, budget), expected) << "budget " << budget;
            EXPECT_EQ(Similar(collected, threshold, 3, budget), expected) << "budget " << budget;
            EXPECT_EQ(Similar(collected, threshold, 2, budget, silentObserver(), 0), expected)
                << "from disk, budget " << budget;
        }
        platform::SetFaultHook(nullptr);
    }
}

// Copies with as many changed words as the threshold allows, one fewer and one
// more, the changes in the first kilobyte, some copies a few bytes longer: pairs
// on both sides of the threshold, which no shortcut of the comparison may tell
// apart wrongly.
TEST(SimilarPairing, PairsAtTheThresholdAreJudgedAsTheComparisonJudgesThem)
{
    std::mt19937 random(8);
    const auto byte = [&random] { return static_cast<char>(random() & 0xff); };
    for (const int threshold : {50, 90}) {
        SCOPED_TRACE(threshold);
        TempTree t;
        for (const std::size_t size : {200u, 2000u, 6000u}) {
            std::string base(size, '\0');
            std::generate(base.begin(), base.end(), byte);
            const std::size_t allowed = size * static_cast<std::size_t>(100 - threshold) / 400;
            const std::size_t front = std::min<std::size_t>(size / 4, 256);
            for (const std::size_t changed : {allowed - 1, allowed, allowed + 1})
                for (const std::size_t longer : {0u, 4u, 13u}) {
                    std::string copy = base;
                    for (std::size_t word = 0; word < changed; ++word)
                        copy[4 * (word < front ? word * 7 % front : word)] ^= 0x5a;
                    for (std::size_t k = 0; k < longer; ++k)
                        copy += byte();
                    t.file("s" + std::to_string(size) + "c" + std::to_string(changed) + "l" +
                               std::to_string(longer),
                           copy);
                }
        }
        const DupList collected = Collected(t);
        const std::vector<std::string> expected = Literal(collected, threshold);
        ASSERT_GT(expected.size(), 10u);
        EXPECT_EQ(Similar(collected, threshold, 2, 512ull << 20), expected);
    }
}

TEST(SimilarPairing, FilesThatChangedSinceTheWalkAreJudgedOnWhatTheyHoldNow)
{
    TempTree t;
    NearCopyTree tree(7);
    const std::string base = tree.bytes(3000);
    t.file("a", base);
    t.file("b", tree.nearCopy(base));
    t.file("c", base);
    t.file("d", base.substr(0, 2900));
    const DupList collected = Collected(t);
    t.file("a", base + tree.bytes(400)); // grew after the walk
    t.file("c", base.substr(0, 2000));   // shrank after the walk
    for (int threshold : {10, 60, 90}) {
        SCOPED_TRACE(threshold);
        const std::vector<std::string> expected = Literal(collected, threshold);
        EXPECT_EQ(Similar(collected, threshold, 2, 512ull << 20), expected);
        EXPECT_EQ(Similar(collected, threshold, 2, 0), expected);
    }
}

TEST(SimilarPairing, IdenticalContentsShareTheirPercentagesInBothRoles)
{
    // Copies of one file met in either role against a near-copy: each copy of the
    // earlier content joins the reference with the same percentage.
    TempTree t;
    NearCopyTree tree(11);
    const std::string base = tree.bytes(8000);
    std::string other = base;
    for (int k = 0; k < 30; ++k)
        other[k * 200] ^= 1;
    t.file("1", other);
    for (int i = 2; i < 8; ++i)
        t.file(std::to_string(i), i % 2 ? base : base.substr(0, 7000));
    const DupList collected = Collected(t);
    const std::vector<std::string> expected = Literal(collected, 80);
    ASSERT_EQ(expected.size(), 7u);
    EXPECT_EQ(Similar(collected, 80, 2, 512ull << 20), expected);
}

TEST(SimilarPairing, ACancelKeepsTheGroupsOfTheFullyJudgedReferencesInListOrder)
{
    // Three groups of near-copies: small files listed first (a), large ones (b),
    // then files of a middle size (c), each large file compared in a pass of its own.
    TempTree t;
    NearCopyTree tree(5);
    const std::pair<const char*, std::size_t> groups[] = {{"a", 3000}, {"b", 200000}, {"c", 6000}};
    for (const auto& [prefix, size] : groups) {
        const std::string base = tree.bytes(size);
        for (int i = 1; i <= 5; ++i) {
            std::string copy = base;
            copy[i * 97] ^= 0x5a;
            t.file(prefix + std::to_string(i), copy);
        }
    }
    const DupList collected = Collected(t);
    const std::vector<std::string> full = Literal(collected, 90);
    ASSERT_EQ(full.size(), 15u);

    test::RecordingObserver atOnce;
    atOnce.cancel = true;
    EXPECT_TRUE(Similar(collected, 90, 1, 300000, atOnce).empty());

    // The cancel comes once half of the work is reported done, when the small files
    // have been judged in full and most large ones have not.
    test::RecordingObserver observer;
    observer.overallMax = collected.size() - 1;
    observer.onPump = [&](int) {
        observer.cancel = observer.overallPosition * 2 >= observer.overallMax;
    };
    const std::vector<std::string> kept = Similar(collected, 90, 1, 300000, observer);
    // Kept: the literal group of a (rows 0-4), and at most part of b's (rows 5-9), the
    // group in progress at the cancel; never c's, whose reference comes after it.
    ASSERT_GE(kept.size(), 5u) << "the fully judged group of the a files is kept";
    EXPECT_LT(kept.size(), 10u) << "the cancel stopped the pairing";
    EXPECT_EQ(std::vector(kept.begin(), kept.begin() + 5),
              std::vector(full.begin(), full.begin() + 5));
    for (std::size_t i = 5; i < kept.size(); ++i)
        EXPECT_THAT(std::vector(full.begin() + 5, full.begin() + 10), testing::Contains(kept[i]));
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

TEST(SimilarPairing, TheContentsInMemoryStayWithinTheBudget)
{
#if defined(__SANITIZE_ADDRESS__)
    // 30 files from 64 KiB to 528 KiB, about 11 MiB of images in all; at 90 % a
    // file's window holds its few neighbours in size, well within 1 MiB.
    TempTree t;
    NearCopyTree tree(3);
    for (int i = 0; i < 30; ++i)
        t.file("f" + std::to_string(100 + i), tree.bytes((64 + 16 * i) << 10));
    const DupList collected = Collected(t);
    constexpr std::size_t kBudget = 1 << 20;
    const std::size_t before = __sanitizer_get_current_allocated_bytes();
    std::size_t peak = before;
    test::RecordingObserver observer;
    observer.onPump = [&](int) {
        peak = std::max(peak, __sanitizer_get_current_allocated_bytes());
    };
    EXPECT_EQ(Similar(collected, 90, 2, kBudget, observer), Literal(collected, 90));
    // Beside the images: read buffers and the bookkeeping of 30 files.
    EXPECT_LT(peak - before, kBudget + (1 << 20));
#else
    GTEST_SKIP() << "the allocator's count is read from the address sanitizer";
#endif
}

TEST(SimilarPairing, ACancelWhilePairingFromDiskKeepsTheGroupsOfAPrefixOfReferences)
{
    TempTree t;
    NearCopyTree tree(5);
    tree.fill(t, 60);
    const DupList collected = Collected(t);
    // A pair budget of 0 hands everything after the first open pair to the pairing
    // from disk, which moves the overall position on after each reference; the cancel
    // comes that many pumps after the position first moved, whatever the workers'
    // waits pumped before.
    for (const int pumps : {1, 5}) {
        test::RecordingObserver observer;
        int pumpsSinceMoved = 0;
        observer.onPump = [&](int) {
            if (observer.overallPeak > 0)
                ++pumpsSinceMoved;
            observer.cancel = pumpsSinceMoved >= pumps;
        };
        DupList list = collected;
        PairSimilarFiles(list, {30, 1, 100000, 0}, observer);
        DupList literal = collected;
        LiteralPairing(literal, 30, silentObserver());
        std::uint32_t lastKept = 0;
        for (std::size_t i = 0; i < list.size(); ++i)
            lastKept = std::max(lastKept, list[i].group);
        EXPECT_GT(lastKept, 0u) << pumps;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].group == 0) {
                EXPECT_TRUE(literal[i].group == 0 || literal[i].group >= lastKept) << i;
                continue;
            }
            EXPECT_EQ(list[i].group, literal[i].group) << i;
            EXPECT_EQ(list[i].content, literal[i].content) << i;
        }
    }
}
