// What the similarity pairing holds, by its own account, while the groups stay
// those of the pairwise rule: file contents fill their budget and never pass it,
// identical files hold no pairs, an order of names and sizes that keeps every
// decision open ends in the pairing from disk, and many threads asked for add no
// tables.

#include "SimilarTrees.h"
#include "common/ContentImage.h"
#include "common/WorkerPool.h"

using namespace quorvex;
using namespace quorvex::test;

namespace {

constexpr std::uint64_t kContentBudget = 448 << 10;
constexpr std::uint64_t kPairBudget = 64 << 10;
constexpr std::uint64_t kBudget = kContentBudget + kPairBudget;
constexpr std::size_t kFiles = 400;

// Files of 200 bytes that differ from one text in a counter only: at 90 % each
// matches every other. With `blocker`, the tree's first file in walk order is a
// slightly larger file that matches none of them, and keeps open whether it claims
// them until the sweep reaches its size, after all of theirs.
void NearCopies(const TempTree& t, NearCopyTree& random, bool identical, bool blocker)
{
    const std::string base = random.bytes(200);
    for (std::size_t i = 0; i < kFiles; ++i) {
        std::string content = base;
        if (!identical)
            content.replace(100, 4, std::to_string(1000 + i));
        t.file("f" + std::to_string(1000 + i), content);
    }
    if (blocker)
        t.file("a-larger", random.bytes(210));
}

SimilarityOutcome Pair(const DupList& collected, unsigned threads, std::vector<std::string>& rows)
{
    DupList list = collected;
    const SimilarityOutcome outcome =
        PairSimilarFiles(list, {90, threads, kContentBudget, kPairBudget}, silentObserver());
    rows = Finished(std::move(list));
    return outcome;
}

} // namespace

// Identical files are one class and hold no pairs, whatever the order. Near-copies
// are decided as the sweep goes; kept open by the larger first file, their pairs
// (80,000) would outgrow the budget, and the sweep gives way to the pairing from
// disk first, whose workers take read buffers.
TEST(SimilarMemory, EqualAndNearEqualFilesStayWithinTheBudgetInAnyOrder)
{
    for (const bool identical : {true, false})
        for (const bool blocker : {false, true}) {
            SCOPED_TRACE(::testing::Message()
                         << "identical " << identical << " blocker " << blocker);
            TempTree t;
            NearCopyTree random(identical ? 3 : 4);
            NearCopies(t, random, identical, blocker);
            const DupList collected = Collected(t);
            const std::vector<std::string> expected = Literal(collected, 90);
            ASSERT_EQ(expected.size(), kFiles);
            for (const unsigned threads : {1u, 3u}) {
                std::vector<std::string> rows;
                const SimilarityOutcome outcome = Pair(collected, threads, rows);
                EXPECT_EQ(rows, expected) << threads;
                // Kept open, the pairs always outgrow the budget; decided as the sweep
                // goes, they stay within it on one thread, while several workers may
                // hold a batch's pairs a moment longer, as their turns fall.
                if (!identical && blocker) {
                    EXPECT_TRUE(outcome.pairedFromDisk) << threads;
                } else if (identical || threads == 1) {
                    EXPECT_FALSE(outcome.pairedFromDisk) << threads;
                }
                const std::uint64_t buffers = threads * (2 * ContentBuffers::kWords * 4);
                EXPECT_LE(outcome.peakBytesHeld, kBudget + (outcome.pairedFromDisk ? buffers : 0))
                    << threads;
            }
        }
}

// Files whose contents take several times the contents budget, in a range of sizes
// where every window holds more than fits: the images held, as the pairing counts
// them, fill the budget without ever passing it, and the groups stay those of the
// pairwise rule. With the larger budget every sketch fits beside the images, and
// the files left on disk are judged through sketches read alone.
TEST(SimilarMemory, ImagesNeverPassTheContentsBudget)
{
    constexpr std::uint64_t kSmallBudget = 24 << 10;
    constexpr std::uint64_t kSketchesFit = 128 << 10;
    TempTree t;
    NearCopyTree random(6);
    std::vector<std::string> originals;
    for (int i = 0; i < 80; ++i) {
        const bool copy = !originals.empty() && random.pick(3) == 0;
        const std::string content = copy ? random.nearCopy(originals[random.pick(originals.size())])
                                         : random.bytes(1500 + random.pick(3000));
        if (!copy)
            originals.push_back(content);
        t.file("f" + std::to_string(i), content);
    }
    const DupList collected = Collected(t);
    std::uint64_t contents = 0;
    std::uint64_t sketches = 0;
    for (const TDupRecord& record : collected.records()) {
        contents += ContentImageCost(record.size);
        sketches += (ContentSketchCost(record.size) + 63) / 64 * 64;
    }
    ASSERT_GT(contents, 8 * kSmallBudget);
    ASSERT_GT(contents, 2 * kSketchesFit);
    ASSERT_LE(sketches, kSketchesFit / 8);
    for (const std::uint64_t budget : {kSmallBudget, kSketchesFit})
        for (const int threshold : {90, 50})
            for (const unsigned threads : {1u, 3u}) {
                SCOPED_TRACE(testing::Message() << budget << " " << threshold << " " << threads);
                DupList list = collected;
                const SimilarityOutcome outcome = PairSimilarFiles(
                    list, {threshold, threads, budget, kPairBudget}, silentObserver());
                EXPECT_EQ(Finished(std::move(list)), Literal(collected, threshold));
                EXPECT_LE(outcome.peakImageBytes, budget);
                EXPECT_GE(outcome.peakImageBytes, budget * 3 / 4);
                EXPECT_LE(outcome.peakImageBytes, outcome.peakBytesHeld);
            }
}

TEST(SimilarMemory, ThreadsAreCappedAndOnlyThoseThatWorkHoldTables)
{
    EXPECT_LE(WorkerPool(9999).size(), kWorkersPerCore * ProcessorCores());
    EXPECT_EQ(WorkerPool(1).size(), 1u);

    // Pairs of copies of distinct texts: each worker remembers, for the file it
    // judges, how it scores against each pair's contents.
    TempTree t;
    NearCopyTree random(5);
    for (int i = 0; i < 150; ++i) {
        const std::string text = random.bytes(300);
        t.file("f" + std::to_string(i) + "a", text);
        t.file("f" + std::to_string(i) + "b", text);
    }
    const DupList collected = Collected(t);
    std::vector<std::string> one, many;
    const std::uint64_t alone = Pair(collected, 1, one).peakBytesHeld;
    const std::uint64_t crowded = Pair(collected, 9999, many).peakBytesHeld;
    EXPECT_EQ(many, one);
    EXPECT_EQ(many.size(), 300u);
    EXPECT_LE(crowded, alone + kWorkersPerCore * ProcessorCores() * (16 << 10));
    EXPECT_LE(crowded, kBudget);
}

// A file whose image is larger than the part of the budget that holds images is
// never loaded whole: its sketch is read alone, and judges its pairs with a cut
// copy loaded whole (which matches it at 50 %) and with a near copy as large.
TEST(SimilarMemory, FilesTooLargeForTheImagesAreJudgedThroughSketchesReadAlone)
{
    constexpr std::uint64_t kBudget = 64 << 10;
    TempTree t;
    NearCopyTree random(9);
    const std::string large = random.bytes(50000);
    ASSERT_GT(ContentImageCost(large.size()), kBudget);
    t.file("large", large);
    t.file("nearly", random.nearCopy(large));
    t.file("cut", large.substr(0, 26000));
    t.file("other", random.bytes(27000));
    const DupList collected = Collected(t);
    for (const int threshold : {90, 50})
        for (const unsigned threads : {1u, 2u}) {
            SCOPED_TRACE(testing::Message() << threshold << " " << threads);
            DupList list = collected;
            PairSimilarFiles(list, {threshold, threads, kBudget, kPairBudget}, silentObserver());
            EXPECT_EQ(Finished(std::move(list)), Literal(collected, threshold));
        }
}
