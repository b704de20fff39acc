// The similarity pairing must give exactly what judging pair after pair in list
// order gives: the same groups, percentages, order and bands, for any number of
// threads and any memory budget. Random trees mix near-copies made by changing
// words, appending, cutting and shifting, files across 128 KiB blocks, empty files,
// files that cannot be opened or read, and a file that changes between the walk
// and the pairing.

#include "SimilarTrees.h"

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
        }
        platform::SetFaultHook(nullptr);
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

TEST(SimilarPairing, ACancelKeepsTheGroupsJudgedInListOrderBeforeIt)
{
    TempTree t;
    NearCopyTree tree(5);
    tree.fill(t, 60);
    const DupList collected = Collected(t);
    const std::vector<std::string> full = Literal(collected, 30);

    test::RecordingObserver atOnce;
    atOnce.cancel = true;
    EXPECT_TRUE(Similar(collected, 30, 2, 512ull << 20, atOnce).empty());

    // Whatever the cancel leaves is the literal result for a prefix of references
    // in list order, the last group possibly with fewer members.
    for (int pumps : {1, 2, 5}) {
        test::RecordingObserver observer;
        observer.onPump = [&](int count) { observer.cancel = count >= pumps; };
        DupList list = collected;
        PairSimilarFiles(list, {30, 1, 100000}, observer); // several passes
        DupList literal = collected;
        LiteralPairing(literal, 30, silentObserver());
        std::uint32_t lastKept = 0;
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].group != 0)
                lastKept = std::max(lastKept, list[i].group);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const TDupRecord& kept = list[i];
            if (kept.group == 0) {
                EXPECT_TRUE(literal[i].group == 0 || literal[i].group >= lastKept) << i;
                continue;
            }
            EXPECT_EQ(kept.group, literal[i].group) << i;
            EXPECT_EQ(kept.content, literal[i].content) << i;
        }
    }
    EXPECT_FALSE(full.empty());
}
