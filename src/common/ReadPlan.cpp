#include "common/ReadPlan.h"

#include <algorithm>
#include <mutex>
#include <numeric>

namespace quorvex {

namespace {

constexpr std::size_t kFilesPerItem = 256;

ReadOrderHook& InstalledHook()
{
    static ReadOrderHook hook;
    return hook;
}

bool SeeksCost(platform::StorageKind kind)
{
    return kind == platform::StorageKind::Rotational || kind == platform::StorageKind::Network;
}

// The devices met, each numbered and asked for its storage kind once.
class Devices
{
public:
    std::uint16_t number(std::uint64_t device, const platform::InputFile& file)
    {
        const std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < devices_.size(); ++i)
            if (devices_[i].first == device)
                return static_cast<std::uint16_t>(i);
        devices_.emplace_back(device, platform::StorageKindOf(file));
        return static_cast<std::uint16_t>(devices_.size() - 1);
    }
    // Asked once every file is numbered.
    platform::StorageKind kind(std::uint16_t number) const { return devices_[number].second; }
    bool anyWhereSeeksCost() const
    {
        return std::ranges::any_of(devices_,
                                   [](const auto& device) { return SeeksCost(device.second); });
    }

private:
    std::mutex mutex_;
    std::vector<std::pair<std::uint64_t, platform::StorageKind>> devices_;
};

// The sort key of a file: its device's group in the top 16 bits (by device, then
// the files whose physical place is known before those placed by their number, and
// the files that could not be opened last), its place below, the physical offset in
// 512-byte units: an order of reads needs no more precision.
constexpr std::uint64_t kPlaceBits = 48;
constexpr std::uint64_t kLastGroup = 0xFFFF;
constexpr std::uint64_t kDevicesKnown = (kLastGroup - 2) / 2; // the groups below the last
std::uint64_t KeyOf(std::uint16_t device, const platform::DataPlace& place)
{
    const std::uint64_t group =
        std::min<std::uint64_t>(device, kDevicesKnown) * 2 + (place.physical ? 0 : 1);
    const std::uint64_t where = place.physical ? place.offset >> 9 : place.offset;
    return group << kPlaceBits | std::min(where, (std::uint64_t{1} << kPlaceBits) - 1);
}

// Whether the first page of nearly every file of an even sample is in the system's
// cache: then the order of the reads costs nothing, and asking each file's place
// would only add to the work.
constexpr std::size_t kSample = 32;
bool SampleIsCached(std::size_t count, const OpenToPlan& open)
{
    std::size_t asked = 0, cached = 0;
    platform::InputFile file;
    for (std::size_t i = 0; i < kSample && i < count; ++i) {
        if (!open(i * count / std::min(count, kSample), 0, file))
            continue;
        ++asked;
        cached += platform::IsPageCached(file, 0) ? 1 : 0;
        file.close();
    }
    return asked > 0 && cached * 10 >= asked * 9;
}

// The stretches of the sorted `keys` order that one device holds, each with its
// readers; the files that could not be opened read by every worker.
std::vector<ReadPlan::Stretch> StretchesOf(const std::vector<std::uint32_t>& order,
                                           const std::vector<std::uint64_t>& keys,
                                           const Devices& devices, unsigned workers)
{
    std::vector<ReadPlan::Stretch> stretches;
    for (std::size_t begin = 0; begin < order.size();) {
        const std::uint64_t device = (keys[order[begin]] >> kPlaceBits) / 2;
        std::size_t end = begin + 1;
        while (end < order.size() && (keys[order[end]] >> kPlaceBits) / 2 == device)
            ++end;
        const bool opened = device <= kDevicesKnown;
        stretches.push_back(
            {end, opened ? ReadersFor(devices.kind(static_cast<std::uint16_t>(device)), workers)
                         : std::max(1u, workers)});
        begin = end;
    }
    return stretches;
}

// Reads the items at places [begin, end) of the plan's order in turn, each after
// hinting those up to `ahead` places after it (only where the data comes from the
// device; the first is read at once).
template <typename Cancelled, typename Hint, typename Read>
void Sweep(const ReadPlan& plan, std::size_t begin, std::size_t end, std::size_t ahead,
           const Cancelled& cancelled, const Hint& hint, const Read& read)
{
    std::size_t hinted = plan.fromDevice ? begin + 1 : end;
    for (std::size_t k = begin; k < end; ++k) {
        for (; hinted < std::min(end, k + 1 + ahead) && !cancelled(); ++hinted)
            hint(plan.order[hinted]);
        read(plan.order[k]);
    }
}

} // namespace

unsigned ReadersFor(platform::StorageKind kind, unsigned workers)
{
    return SeeksCost(kind) ? 1 : std::max(1u, workers);
}

ReadPlan PlanReads(std::size_t count, const OpenToPlan& open, WorkerPool& pool, ObservedWork& work)
{
    if (SampleIsCached(count, open)) {
        ReadPlan plan;
        plan.order.resize(count);
        std::iota(plan.order.begin(), plan.order.end(), 0u);
        if (InstalledHook())
            InstalledHook()(plan.order);
        plan.stretches = {{count, std::max(1u, pool.size())}};
        plan.fromDevice = false;
        return plan;
    }

    // One key a file: a plan is made for every file of a search at once.
    std::vector<std::uint64_t> keys(count, kLastGroup << kPlaceBits);
    Devices devices;
    const std::size_t items = (count + kFilesPerItem - 1) / kFilesPerItem;
    work.run(pool, items, [&](std::size_t item, unsigned worker) {
        const std::size_t end = std::min(count, (item + 1) * kFilesPerItem);
        platform::InputFile file;
        for (std::size_t k = item * kFilesPerItem; k < end && !work.cancelled(); ++k) {
            if (!open(k, worker, file))
                continue;
            const platform::DataPlace place = platform::PlaceOfData(file);
            keys[k] = KeyOf(devices.number(place.device, file), place);
            file.close();
        }
    });

    ReadPlan plan;
    plan.order.resize(count);
    for (std::size_t k = 0; k < count; ++k)
        plan.order[k] = static_cast<std::uint32_t>(k);
    std::sort(plan.order.begin(), plan.order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return keys[a] != keys[b] ? keys[a] < keys[b] : a < b;
    });
    plan.stretches = StretchesOf(plan.order, keys, devices, pool.size());
    plan.seeksCost = devices.anyWhereSeeksCost();
    if (InstalledHook())
        InstalledHook()(plan.order);
    return plan;
}

void RunPlanned(const ReadPlan& plan, WorkerPool& pool, ObservedWork& work, const ReadItem& hint,
                const ReadItem& read)
{
    // The runs of items a reader takes at once: a stretch read by one reader is one
    // run, and those come first, so that each such device is read from the start.
    struct Run
    {
        std::size_t begin, end;
        std::size_t ahead; // the readers of a stretch share its hints in flight
    };
    std::vector<Run> runs;
    for (const bool sweeps : {true, false}) {
        std::size_t begin = 0;
        for (const ReadPlan::Stretch& stretch : plan.stretches) {
            if ((stretch.readers <= 1) == sweeps) {
                const std::size_t step = sweeps ? stretch.end - begin : kFilesPerItem;
                const std::size_t ahead = std::max<std::size_t>(4, kHintsAhead / stretch.readers);
                for (std::size_t k = begin; k < stretch.end; k += step)
                    runs.push_back({k, std::min(stretch.end, k + step), ahead});
            }
            begin = stretch.end;
        }
    }
    work.run(pool, runs.size(), [&](std::size_t item, unsigned worker) {
        const auto [begin, end, ahead] = runs[item];
        Sweep(
            plan, begin, end, ahead, [&] { return work.cancelled(); },
            [&](std::size_t k) { hint(k, worker); }, [&](std::size_t k) { read(k, worker); });
    });
}

void RunPlannedHere(const ReadPlan& plan, const std::function<bool()>& cancelled,
                    const std::function<void(std::size_t item)>& hint,
                    const std::function<void(std::size_t item)>& read)
{
    Sweep(plan, 0, plan.order.size(), kHintsAhead, cancelled, hint, read);
}

void HintStartOf(const std::string& path, platform::InputFile& file)
{
    if (file.open(path))
        platform::AdviseWillRead(file, 0, std::min(file.size(), kHintedStart));
}

void HintedFiles::keep(std::size_t item, platform::InputFile file)
{
    files_.emplace_back(item, std::move(file));
}

platform::InputFile HintedFiles::take(std::size_t item)
{
    if (files_.empty() || files_.front().first != item)
        return {};
    platform::InputFile file = std::move(files_.front().second);
    files_.pop_front();
    return file;
}

void SetReadOrderHook(ReadOrderHook hook)
{
    InstalledHook() = std::move(hook);
}

} // namespace quorvex
