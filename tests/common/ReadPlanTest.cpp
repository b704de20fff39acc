// The read plan: every file once, in the order of its data's place (the physical one,
// or the file's number where the system does not tell it), the files that cannot be
// opened last; the run of a plan reads each file once, after its hint; and large
// reads drop behind them only what they brought into the cache.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <mutex>
#include <numeric>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "common/ReadPlan.h"
#include "platform/ReadFully.h"
#include "platform/ReadPlacement.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

using namespace quorvex;

namespace {

// Why a test of cache residency does not run here.
constexpr const char* kFilesStayCached = "the file system keeps the files in the cache";
#ifdef _WIN32
constexpr const char* kNoCacheResidency = "the system tells no page's place in its cache";
#endif

// Files of many sizes written in an order unlike their names' (the planner must not
// lean on the listing), and every seventh one that cannot be opened.
struct PlannedFiles
{
    test::TempTree t;
    std::vector<std::string> paths;

    explicit PlannedFiles(unsigned count)
    {
        for (unsigned i = 0; i < count; ++i)
            paths.push_back(t.path("f" + std::to_string(i)));
        for (unsigned i = count; i-- > 0;)
            t.patternFile("f" + std::to_string(i), 1000 + 5000 * (i % 5), i);
    }
    // Takes the files out of the system's cache, as on a first run; false where the
    // file system keeps them.
    bool uncache() const
    {
        for (const std::string& path : paths)
            test::DropFromPageCache(path);
        platform::InputFile file;
        return file.open(paths[0]) && !platform::IsPageCached(file, 0);
    }
    static bool unopenable(std::size_t item) { return item % 7 == 3; }

    ReadPlan plan(unsigned workers)
    {
        WorkerPool pool(workers);
        test::RecordingObserver observer;
        ObservedWork work(observer, &RunObserver::addWorkDone);
        return PlanReads(
            paths.size(),
            [&](std::size_t item, unsigned, platform::InputFile& file) {
                return !unopenable(item) && file.open(paths[item]);
            },
            pool, work);
    }

    std::tuple<std::uint64_t, bool, std::uint64_t> placeOf(std::size_t item) const
    {
        platform::InputFile file;
        EXPECT_TRUE(file.open(paths[item]));
        const platform::DataPlace place = platform::PlaceOfData(file);
        return {place.device, !place.physical, place.offset};
    }
};

void ExpectPlaceOrder(const PlannedFiles& files, const ReadPlan& plan)
{
    std::vector<std::uint32_t> sorted = plan.order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::uint32_t> every(files.paths.size());
    std::iota(every.begin(), every.end(), 0u);
    ASSERT_EQ(sorted, every); // each file once

    const auto firstUnopened =
        std::find_if(plan.order.begin(), plan.order.end(),
                     [](std::uint32_t i) { return PlannedFiles::unopenable(i); });
    const std::vector<std::uint32_t> opened(plan.order.begin(), firstUnopened);
    const std::vector<std::uint32_t> unopened(firstUnopened, plan.order.end());
    EXPECT_TRUE(std::all_of(unopened.begin(), unopened.end(), &PlannedFiles::unopenable));
    EXPECT_TRUE(std::is_sorted(unopened.begin(), unopened.end()));
    for (std::size_t k = 1; k < opened.size(); ++k)
        EXPECT_LE(files.placeOf(opened[k - 1]), files.placeOf(opened[k])) << k;
}

} // namespace

TEST(ReadPlan, FilesComeInTheOrderOfTheirPlaceAndThoseThatCannotBeOpenedLast)
{
    PlannedFiles files(60);
    if (!files.uncache())
        GTEST_SKIP() << kFilesStayCached;
    const ReadPlan plan = files.plan(4);
    EXPECT_TRUE(plan.fromDevice);
    ExpectPlaceOrder(files, plan);
    platform::InputFile file;
    ASSERT_TRUE(file.open(files.paths[0]));
    // One device's files, then those that cannot be opened, read by every worker.
    ASSERT_EQ(plan.stretches.size(), 2u);
    EXPECT_EQ(plan.stretches[0].readers, ReadersFor(platform::StorageKindOf(file), 4));
    EXPECT_EQ(plan.stretches[1].end, plan.order.size());
    EXPECT_EQ(plan.stretches[1].readers, 4u);
}

// Where the system tells no physical place, the files' numbers order them.
TEST(ReadPlan, FilesWithoutAPhysicalPlaceAreOrderedByTheirNumber)
{
    PlannedFiles files(30);
    if (!files.uncache())
        GTEST_SKIP() << kFilesStayCached;
    platform::SetFaultHook([](platform::FaultPoint point, std::string_view) {
        return point == platform::FaultPoint::Place;
    });
    ExpectPlaceOrder(files, files.plan(2));
    EXPECT_TRUE(std::get<1>(files.placeOf(0))); // placed by its number
    platform::SetFaultHook(nullptr);
}

// Files the system has in its cache are read as they come, by every worker, unhinted.
TEST(ReadPlan, FilesInTheCacheKeepTheirOrder)
{
#ifdef _WIN32
    GTEST_SKIP() << kNoCacheResidency;
#endif
    PlannedFiles files(40);
    const ReadPlan plan = files.plan(3);
    std::vector<std::uint32_t> listed(40);
    std::iota(listed.begin(), listed.end(), 0u);
    EXPECT_EQ(plan.order, listed);
    ASSERT_EQ(plan.stretches.size(), 1u);
    EXPECT_EQ(plan.stretches[0].readers, 3u);
    EXPECT_FALSE(plan.fromDevice);
}

TEST(ReadPlan, SeeksThatCostMakeOneReader)
{
    EXPECT_EQ(ReadersFor(platform::StorageKind::Rotational, 8), 1u);
    EXPECT_EQ(ReadersFor(platform::StorageKind::Network, 8), 1u);
    EXPECT_EQ(ReadersFor(platform::StorageKind::SolidState, 8), 8u);
    EXPECT_EQ(ReadersFor(platform::StorageKind::Unknown, 3), 3u);
}

// A stretch of one reader is read whole by one worker in the plan's order, beside the
// other stretches; each item is hinted once, before it is read and never after; every
// item is read once.
TEST(ReadPlan, ARunReadsEachItemOnceAfterItsHint)
{
    using Stretches = std::vector<ReadPlan::Stretch>;
    for (const Stretches& stretches :
         {Stretches{{1000, 1}}, Stretches{{1000, 4}}, Stretches{{300, 4}, {700, 1}, {1000, 4}},
          Stretches{{200, 1}, {600, 1}, {1000, 4}}}) {
        SCOPED_TRACE(stretches.size());
        ReadPlan plan;
        plan.order.resize(1000);
        std::iota(plan.order.rbegin(), plan.order.rend(), 0u);
        plan.stretches = stretches;
        plan.fromDevice = true;
        WorkerPool pool(4);
        test::RecordingObserver observer;
        ObservedWork work(observer, &RunObserver::addWorkDone);
        std::mutex mutex;
        std::vector<std::pair<std::uint32_t, unsigned>> read; // item, worker
        std::set<std::size_t> hinted, doubleHints, hintedLate;
        RunPlanned(
            plan, pool, work,
            [&](std::size_t item, unsigned) {
                const std::lock_guard lock(mutex);
                if (!hinted.insert(item).second)
                    doubleHints.insert(item);
                if (std::ranges::find(read, item, &std::pair<std::uint32_t, unsigned>::first) !=
                    read.end())
                    hintedLate.insert(item);
            },
            [&](std::size_t item, unsigned worker) {
                const std::lock_guard lock(mutex);
                read.emplace_back(static_cast<std::uint32_t>(item), worker);
            });
        EXPECT_TRUE(doubleHints.empty());
        EXPECT_TRUE(hintedLate.empty());
        EXPECT_GT(hinted.size(), 900u);
        std::size_t begin = 0;
        for (const ReadPlan::Stretch& stretch : stretches) {
            const std::vector<std::uint32_t> planned(plan.order.begin() + begin,
                                                     plan.order.begin() + stretch.end);
            std::vector<std::uint32_t> inStretch;
            std::set<unsigned> workers;
            for (const auto& [item, worker] : read)
                if (std::ranges::find(planned, item) != planned.end()) {
                    inStretch.push_back(item);
                    workers.insert(worker);
                }
            if (stretch.readers == 1) {
                EXPECT_EQ(inStretch, planned);
                EXPECT_EQ(workers.size(), 1u);
            }
            begin = stretch.end;
        }
        std::vector<std::uint32_t> items;
        for (const auto& [item, worker] : read)
            items.push_back(item);
        std::sort(items.begin(), items.end());
        std::vector<std::uint32_t> every(1000);
        std::iota(every.begin(), every.end(), 0u);
        EXPECT_EQ(items, every);
    }
}

// A large file nobody had in the cache leaves none of itself there once read; one
// that was cached stays cached.
TEST(ReadPlan, LargeReadsDropOnlyWhatTheyBroughtIntoTheCache)
{
    test::TempTree t;
#ifdef _WIN32
    GTEST_SKIP() << kNoCacheResidency;
#endif
    const std::string path = t.patternFile("large", platform::kDropBehindFrom + 4096, 1);
    test::DropFromPageCache(path);
    const auto readWhole = [&](platform::InputFile& file, bool dropBehind) {
        std::vector<unsigned char> buffer(1 << 20);
        for (std::uint64_t offset = 0; offset < file.size(); offset += buffer.size())
            ASSERT_GT(platform::ReadFullyAt(file, buffer.data(), buffer.size(), offset, dropBehind),
                      0);
    };

    platform::InputFile file;
    ASSERT_TRUE(file.open(path));
    if (platform::IsPageCached(file, file.size() / 2))
        GTEST_SKIP() << "the file system does not let pages be dropped";
    EXPECT_TRUE(platform::DropsBehind(file));
    readWhole(file, platform::DropsBehind(file));
    EXPECT_FALSE(platform::IsPageCached(file, 0));
    EXPECT_FALSE(platform::IsPageCached(file, file.size() / 2));

    readWhole(file, false); // the user's own read: now it is in use
    EXPECT_TRUE(platform::IsPageCached(file, file.size() / 2));
    EXPECT_FALSE(platform::DropsBehind(file));
    readWhole(file, platform::DropsBehind(file));
    EXPECT_TRUE(platform::IsPageCached(file, file.size() / 2));

    platform::InputFile small;
    ASSERT_TRUE(small.open(t.patternFile("small", 4 << 20, 2)));
    EXPECT_FALSE(platform::DropsBehind(small));
}

#ifndef _WIN32
// A file system with no disk of its own beneath it (tmpfs) tells no storage kind.
TEST(ReadPlan, AFileSystemWithoutADiskHasNoStorageKind)
{
    const std::string path = "/dev/shm/quorvex-read-plan-" + std::to_string(::getpid());
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_EXCL, 0600);
    if (fd < 0)
        GTEST_SKIP() << "no /dev/shm";
    ::close(fd);
    platform::InputFile file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(platform::StorageKindOf(file), platform::StorageKind::Unknown);
    file.close();
    ::unlink(path.c_str());
}
#endif

#ifndef _WIN32
// Files on two devices make a stretch each, with the readers of its own device: a
// hard disk's files are not read by several workers because the other device is
// fast, nor a fast device's by one because the other is a hard disk.
TEST(ReadPlan, EachDeviceHasItsOwnReaders)
{
    PlannedFiles onDisk(20);
    if (!onDisk.uncache())
        GTEST_SKIP() << "the file system keeps the files in the cache";
    const std::string shm = "/dev/shm/quorvex-read-plan-" + std::to_string(::getpid());
    if (::mkdir(shm.c_str(), 0700) != 0)
        GTEST_SKIP() << "no /dev/shm";
    std::vector<std::string> paths = onDisk.paths;
    for (int i = 0; i < 20; ++i) {
        paths.push_back(shm + "/f" + std::to_string(i));
        ::close(::open(paths.back().c_str(), O_CREAT | O_WRONLY, 0600));
    }
    const auto kindOf = [&](std::size_t item) {
        platform::InputFile file;
        return file.open(paths[item]) ? platform::StorageKindOf(file)
                                      : platform::StorageKind::Unknown;
    };
    const platform::StorageKind kinds[] = {kindOf(0), kindOf(20)};
    WorkerPool pool(4);
    test::RecordingObserver observer;
    ObservedWork work(observer, &RunObserver::addWorkDone);
    const ReadPlan plan = PlanReads(
        paths.size(),
        [&](std::size_t item, unsigned, platform::InputFile& file) {
            return file.open(paths[item]);
        },
        pool, work);
    for (const std::string& path : std::vector(paths.begin() + 20, paths.end()))
        ::unlink(path.c_str());
    ::rmdir(shm.c_str());

    ASSERT_EQ(plan.stretches.size(), 2u);
    std::size_t begin = 0;
    for (const ReadPlan::Stretch& stretch : plan.stretches) {
        const bool onShm = plan.order[begin] >= 20;
        EXPECT_EQ(stretch.readers, ReadersFor(kinds[onShm ? 1 : 0], 4));
        EXPECT_EQ(stretch.end - begin, 20u);
        for (std::size_t k = begin; k < stretch.end; ++k)
            EXPECT_EQ(plan.order[k] >= 20, onShm) << k;
        begin = stretch.end;
    }
}
#endif
