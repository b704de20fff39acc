#include <gtest/gtest.h>

#include <filesystem>

#include <string>

#include "common/ContentCompare.h"
#include "platform/FileSystem.h"
#include "support/RecordingObserver.h"
#include "support/SystemText.h"
#include "support/TempTree.h"

using namespace quorvex;

namespace {

class ContentCompareTest : public ::testing::Test
{
protected:
    int compare(const std::string& a, const std::string& b, int threshold = 0)
    {
        int percent = -1;
        CompareContents(t.path(a), t.path(b), threshold, percent, buffers, observer);
        return percent;
    }
    test::TempTree t;
    ContentBuffers buffers;
    test::RecordingObserver observer;
};

} // namespace

TEST_F(ContentCompareTest, IdenticalFilesOfAnyLengthScore100)
{
    for (std::uint64_t size : {1u, 4u, 5u, 131073u, 3 * 131072u}) {
        const auto name = std::to_string(size);
        t.patternFile("a" + name, size, 7);
        t.patternFile("b" + name, size, 7);
        EXPECT_EQ(compare("a" + name, "b" + name), 100) << size;
    }
    EXPECT_EQ(observer.fileMax, 3u);
    EXPECT_EQ(observer.positions.back(), 0u); // reset after the call
}

TEST_F(ContentCompareTest, TwoEmptyFilesAgreeAndAnEmptyFileMatchesNoData)
{
    t.file("e1");
    t.file("e2");
    t.file("full", "abcdefgh");
    EXPECT_EQ(compare("e1", "e2"), 100);
    EXPECT_EQ(compare("e1", "full"), 0);
    EXPECT_EQ(compare("full", "e1"), 0);
}

TEST_F(ContentCompareTest, OneDifferingByteCostsItsWord)
{
    t.file("a8", "Xbcdefgh");
    t.file("b8", "abcdefgh");
    EXPECT_EQ(compare("a8", "b8"), 50);
    t.file("a6", "abcdeX");
    t.file("b6", "abcdef");
    EXPECT_EQ(compare("a6", "b6"), 50);
    std::string big(1000000, 'q');
    t.file("big1", big);
    big[500001] = 'r';
    t.file("big2", big);
    EXPECT_EQ(compare("big1", "big2"), 99);
}

TEST_F(ContentCompareTest, PrefixBothWaysNeverExceeds100)
{
    t.file("short", "abcdefgh");
    t.file("long", "abcdefghij");
    EXPECT_EQ(compare("short", "long"), 57); // 100 * 8 / (10 + 2 + 2)
    // A longer: its third word meets no data of B; 4 bytes are credited: 100*12/14.
    EXPECT_EQ(compare("long", "short"), 85);
    // B ends inside A's last word: that word never matches.
    t.file("nine", "abcdefghi");
    EXPECT_EQ(compare("long", "nine"), 92); // 100 * (8 + 4) / (10 + 2 + 1)
    // Stale data of an earlier block in B's buffer never counts.
    t.patternFile("blockA", 131072 + 100, 3);
    t.patternFile("blockB", 131072 + 100, 3);
    EXPECT_EQ(compare("blockA", "blockB"), 100);
    t.patternFile("blockPrefix", 131072 + 8, 3);
    EXPECT_LE(compare("blockA", "blockPrefix"), 100);
    EXPECT_EQ(compare("blockA", "blockPrefix"), 100 * (131072 + 8 + 4) / (131072 + 100));
}

TEST_F(ContentCompareTest, ThresholdStopsAfterTheFirstBlock)
{
    t.patternFile("a", 4 * 131072, 1);
    t.patternFile("b", 4 * 131072, 2);
    const int full = compare("a", "b");
    observer.pumps = 0;
    const int early = compare("a", "b", 100);
    EXPECT_EQ(observer.pumps, 1);
    EXPECT_LE(early, full);
    EXPECT_EQ(early, 0);
}

TEST_F(ContentCompareTest, CancelBeforeABlockComparesNothingMore)
{
    t.patternFile("a", 4 * 131072, 1);
    t.patternFile("b", 4 * 131072, 1);
    observer.cancelAfterPumps = 2;
    EXPECT_EQ(compare("a", "b"), 50);
    EXPECT_EQ(compare("a", "b"), 0); // still down: only the length terms remain
    t.file("empty");
    EXPECT_EQ(compare("a", "empty"), 0);
}

TEST_F(ContentCompareTest, FilesThatCannotBeOpenedLeaveTheCallersValue)
{
    t.file("a", "data");
    t.dir("folder");
    EXPECT_EQ(compare("a", "missing"), -1);
    EXPECT_EQ(compare("missing", "a"), -1);
    EXPECT_EQ(compare("a", "folder"), -1);
#ifndef _WIN32
    t.fifo("fifo");
    EXPECT_EQ(compare("fifo", "a"), -1); // and opening it did not block
#endif
    EXPECT_TRUE(observer.positions.empty());
}

TEST_F(ContentCompareTest, ReadErrorEndsLikeEndOfFile)
{
    t.patternFile("a", 2 * 131072, 5);
    t.patternFile("b", 2 * 131072, 5);
    platform::SetFaultHook([](platform::FaultPoint point, std::string_view path) {
        return point == platform::FaultPoint::Read && path.ends_with(test::Native("/b"));
    });
    const int percent = compare("a", "b");
    platform::SetFaultHook(nullptr);
    EXPECT_EQ(percent, 0);
}

TEST_F(ContentCompareTest, LengthsBeyond32BitsCount)
{
    // A sparse file of 4 GiB + 8 bytes whose first word pair equals an 8-byte file:
    // lengths cut to 32 bits would make the two look like equal 8-byte files.
    const std::uintmax_t hugeSize = (4ull << 30) + 8;
    t.file("small", "abcdefgh");
    const std::string huge = t.file("huge", "abcdefgh");
    std::filesystem::resize_file(huge, hugeSize);
    EXPECT_EQ(compare("huge", "small"), 0);
    EXPECT_EQ(compare("small", "huge"), 0);
}

TEST(ContentPercentage, ExactIntegerArithmetic)
{
    // 29 / 100 * 100 is 28.999... in double precision; the integer form is exact.
    EXPECT_EQ(ContentPercentage(29, 100, 100), 29);
    EXPECT_EQ(ContentPercentage(57, 100, 100), 57);
    for (std::uint64_t len : {29ull, 49ull, 57ull, 1000003ull, (1ull << 40) + 12})
        EXPECT_EQ(ContentPercentage((len + 3) / 4 * 4, len, len), 100) << len;
    // Products beyond 64 bits.
    EXPECT_EQ(ContentPercentage(~0ull - 8, ~0ull - 4, ~0ull - 4), 99);
}
