#include "common/ReadPlan.h"

#include <algorithm>
#include <mutex>

namespace quorvex {

namespace {

constexpr std::size_t kFilesPerItem = 256;

ReadOrderHook& InstalledHook()
{
    static ReadOrderHook hook;
    return hook;
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
    // The kind that asks the most care: a share, then a hard disk, then the rest.
    platform::StorageKind slowest() const
    {
        platform::StorageKind slowest = platform::StorageKind::Unknown;
        for (const auto& [device, kind] : devices_)
            if (kind == platform::StorageKind::Network ||
                (kind == platform::StorageKind::Rotational &&
                 slowest != platform::StorageKind::Network))
                slowest = kind;
        return slowest;
    }

private:
    std::mutex mutex_;
    std::vector<std::pair<std::uint64_t, platform::StorageKind>> devices_;
};

// Sorts files by device, then those whose physical place is known before those
// placed by their number, and the files that could not be opened last.
constexpr std::uint32_t kNotOpened = ~std::uint32_t{0};
std::uint32_t GroupOf(std::uint16_t device, bool physical)
{
    return std::uint32_t{device} * 2 + (physical ? 0 : 1);
}

} // namespace

unsigned ReadersFor(platform::StorageKind kind, unsigned workers)
{
    const bool seeksCost =
        kind == platform::StorageKind::Rotational || kind == platform::StorageKind::Network;
    return seeksCost ? 1 : std::max(1u, workers);
}

ReadPlan PlanReads(std::size_t count, const OpenToPlan& open, WorkerPool& pool, ObservedWork& work)
{
    // Two small arrays rather than one of records: a plan is made for every file of
    // a search at once.
    std::vector<std::uint32_t> groups(count, kNotOpened);
    std::vector<std::uint64_t> offsets(count);
    Devices devices;
    const std::size_t items = (count + kFilesPerItem - 1) / kFilesPerItem;
    work.run(pool, items, [&](std::size_t item, unsigned worker) {
        const std::size_t end = std::min(count, (item + 1) * kFilesPerItem);
        platform::InputFile file;
        for (std::size_t k = item * kFilesPerItem; k < end && !work.cancelled(); ++k) {
            if (!open(k, worker, file))
                continue;
            const platform::DataPlace place = platform::PlaceOfData(file);
            groups[k] = GroupOf(devices.number(place.device, file), place.physical);
            offsets[k] = place.offset;
            file.close();
        }
    });

    ReadPlan plan;
    plan.order.resize(count);
    for (std::size_t k = 0; k < count; ++k)
        plan.order[k] = static_cast<std::uint32_t>(k);
    std::stable_sort(plan.order.begin(), plan.order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return groups[a] != groups[b] ? groups[a] < groups[b] : offsets[a] < offsets[b];
    });
    if (InstalledHook())
        InstalledHook()(plan.order);
    const platform::StorageKind slowest = devices.slowest();
    plan.readers = ReadersFor(slowest, pool.size());
    plan.seeksCost =
        slowest == platform::StorageKind::Rotational || slowest == platform::StorageKind::Network;
    return plan;
}

void RunPlanned(const ReadPlan& plan, WorkerPool& pool, ObservedWork& work, const ReadItem& hint,
                const ReadItem& read)
{
    const std::size_t count = plan.order.size();
    const std::size_t perItem = plan.readers <= 1 ? std::max<std::size_t>(count, 1) : kFilesPerItem;
    work.run(pool, (count + perItem - 1) / perItem, [&](std::size_t item, unsigned worker) {
        const std::size_t begin = item * perItem;
        const std::size_t end = std::min(count, begin + perItem);
        std::size_t hinted = begin + 1; // the first is read at once
        for (std::size_t k = begin; k < end && !work.cancelled(); ++k) {
            for (; hinted < std::min(end, k + 1 + kHintsAhead); ++hinted)
                hint(plan.order[hinted], worker);
            read(plan.order[k], worker);
        }
    });
}

void SetReadOrderHook(ReadOrderHook hook)
{
    InstalledHook() = std::move(hook);
}

} // namespace quorvex
