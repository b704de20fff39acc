#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/ContentCompare.h"
#include "compare/ContentComparisons.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

using namespace quorvex;

// Many workers on pairs of every size, some unreadable: each row gets the
// percentage one comparison on the calling thread gives, and rows and messages come
// back in the order the pairs were queued.
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

    test::RecordingObserver observer;
    ContentComparisons comparisons(observer, 8);
    std::uint64_t bytes = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        comparisons.add(1000 - 10 * i, pairs[i].a, pairs[i].b, pairs[i].bytes);
        bytes += pairs[i].bytes;
    }
    std::vector<std::pair<std::size_t, int>> applied;
    comparisons.finish([&](std::size_t row, int percent) { applied.emplace_back(row, percent); });
    EXPECT_EQ(applied, expected);
    EXPECT_EQ(observer.unread, serial.unread);
    EXPECT_EQ(observer.workDone, bytes);
    // A second batch starts from an empty queue.
    comparisons.add(7, pairs[0].a, pairs[0].a, pairs[0].bytes);
    applied.clear();
    comparisons.finish([&](std::size_t row, int percent) { applied.emplace_back(row, percent); });
    EXPECT_EQ(applied, (std::vector<std::pair<std::size_t, int>>{{7, 100}}));
}
