// The first pass of the exact search over files not in the system's cache: a small
// file is brought in whole by the request for its first chunk, so that its later
// whole-file read asks the device nothing more; of a large file only the start is.

#include <gtest/gtest.h>

#include <chrono>
#include <numeric>
#include <thread>
#include <vector>

#include "duplicates/DupSearch.h"
#include "duplicates/FirstChunkHashes.h"
#include "platform/ReadPlacement.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

using namespace quorvex;

TEST(FirstChunkHashes, ASmallFileComesInWholeAndALargeOneOnlyItsStart)
{
#ifdef _WIN32
    GTEST_SKIP() << "the system tells no page's place in its cache";
#endif
    test::TempTree t;
    constexpr std::uint64_t kSmall = 96 * 1024, kLarge = 8 << 20;
    for (unsigned i = 0; i < 40; ++i)
        t.patternFile("f" + std::to_string(i), i % 2 == 0 ? kSmall : kLarge, i);
    test::RecordingObserver observer;
    DupList list;
    FilterSettings filters;
    CollectFiles(t.root(), {filters, 100, observer}, list);
    ASSERT_EQ(list.size(), 40u);
    for (std::size_t i = 0; i < list.size(); ++i)
        test::DropFromPageCache(list.RecordPath(list[i]));
    const auto cachedAt = [&](std::uint64_t size, std::uint64_t offset) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            platform::InputFile file;
            if (list[i].size == size && file.open(list.RecordPath(list[i])))
                return platform::IsPageCached(file, offset);
        }
        return false;
    };
    if (cachedAt(kSmall, 0))
        GTEST_SKIP() << "the file system keeps the files in the cache";

    std::vector<std::size_t> positions(list.size());
    std::iota(positions.begin(), positions.end(), std::size_t{0});
    CachedHashes cached(list.size(), positions, nullptr);
    WorkerPool pool(2);
    ObservedWork work(observer, &RunObserver::stepOverall);
    const FirstChunkHashes hashes(list, positions, 4096, pool, work, cached);
    for (const std::size_t position : positions)
        ASSERT_TRUE(hashes.known(position));
    // The reads asked ahead may still be on their way when the hashes are known.
    bool smallIn = cachedAt(kSmall, kSmall - 4096);
    for (int wait = 0; wait < 100 && !smallIn; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        smallIn = cachedAt(kSmall, kSmall - 4096);
    }
    EXPECT_TRUE(smallIn);
    EXPECT_FALSE(cachedAt(kLarge, kLarge / 2));
}
