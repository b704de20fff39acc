// The similarity pairing against the pairwise rule on many more trees, and on
// files beyond 4 GiB (sparse), which only a comparison from disk can take.

#include <filesystem>

#include "SimilarTrees.h"

using namespace quorvex;
using namespace quorvex::test;

TEST(SimilarPairingLong, MatchesThePairwiseRuleOnManySeeds)
{
    const std::uint64_t budgets[] = {512ull << 20, 200000, 50000, 0};
    for (unsigned seed = 100; seed < 160; ++seed) {
        SCOPED_TRACE(seed);
        TempTree t;
        NearCopyTree tree(seed);
        tree.fill(t, 60);
        tree.installFaults();
        const DupList collected = Collected(t);
        const int threshold = 10 + static_cast<int>(seed * 7 % 90);
        const std::vector<std::string> expected = Literal(collected, threshold);
        for (unsigned threads : {1u, 2u, 5u})
            EXPECT_EQ(Similar(collected, threshold, threads, budgets[seed % 4]), expected)
                << threshold << " " << threads;
        platform::SetFaultHook(nullptr);
    }
}

TEST(SimilarPairingLong, FilesBeyondFourGibAreComparedOverTheirWholeLength)
{
    TempTree t;
    constexpr std::uintmax_t kHuge = (std::uintmax_t{1} << 32) + 12;
    t.file("huge1", "same start");
    t.file("huge2", "same start");
    t.file("huge3", "other");
    t.file("small", "same start");
    for (const char* name : {"huge1", "huge2", "huge3"})
        std::filesystem::resize_file(t.path(name), kHuge);
    std::filesystem::resize_file(t.path("small"), (std::uintmax_t{1} << 32) / 100 * 95);
    const DupList collected = Collected(t);
    for (int threshold : {90, 99}) {
        SCOPED_TRACE(threshold);
        const std::vector<std::string> expected = Literal(collected, threshold);
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(Similar(collected, threshold, 2, 512ull << 20), expected);
    }
}
