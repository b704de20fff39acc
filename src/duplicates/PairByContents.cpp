#include <algorithm>
#include <string>
#include <vector>

#include "duplicates/DupPairing.h"
#include "duplicates/DupSearch.h"

namespace quorvex {

namespace {

using Wide = unsigned __int128;

// Record positions ordered by (size, position): the candidates of a reference are
// the slice whose sizes lie within its size-ratio window.
struct SizeIndex
{
    struct Entry
    {
        std::uint64_t size;
        std::size_t position;
        bool operator<(const Entry& other) const
        {
            return size != other.size ? size < other.size : position < other.position;
        }
    };
    std::vector<Entry> entries;

    explicit SizeIndex(const DupList& list)
    {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].size > 0)
                entries.push_back({list[i].size, i});
        std::sort(entries.begin(), entries.end());
    }

    // Positions after `reference` whose size lies in [low, high], in list order.
    void candidates(std::uint64_t low, std::uint64_t high, std::size_t reference,
                    std::vector<std::size_t>& out) const
    {
        out.clear();
        auto it = std::lower_bound(entries.begin(), entries.end(), Entry{low, 0});
        for (; it != entries.end() && it->size <= high; ++it)
            if (it->position > reference)
                out.push_back(it->position);
        std::sort(out.begin(), out.end());
    }
};

// The sizes s with SizeRatio(size, s) >= threshold lie within [low, high]; the
// bounds are widened by one so that the exact ratio test alone decides.
std::pair<std::uint64_t, std::uint64_t> SizeWindow(std::uint64_t size, int threshold)
{
    if (threshold >= 100)
        return {size, size};
    const Wide low = Wide(size) * threshold / 100;
    const Wide high = Wide(size) * 100 / threshold + 1;
    const Wide max = UINT64_MAX;
    return {static_cast<std::uint64_t>(low), static_cast<std::uint64_t>(std::min(high, max))};
}

} // namespace

void PairByContents(DupList& list, int threshold, ContentBuffers& buffers, RunObserver& observer)
{
    const SizeIndex index(list);
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < list.size(); ++i) {
        TDupRecord& reference = list[i];
        if (reference.group != 0 || reference.size == 0) {
            observer.stepOverall(1);
            continue;
        }
        const std::string referencePath = list.RecordPath(reference);
        const std::uint32_t label = static_cast<std::uint32_t>(i + 1);
        const auto [low, high] = SizeWindow(reference.size, threshold);
        index.candidates(low, high, i, candidates);
        bool found = false;
        for (std::size_t j : candidates) {
            observer.pumpMessages();
            if (observer.cancelRequested())
                break;
            TDupRecord& member = list[j];
            if (member.group != 0 || SizeRatio(reference.size, member.size) < threshold)
                continue;
            int percent = -1;
            CompareContents(referencePath, list.RecordPath(member), threshold, percent, buffers,
                            observer);
            if (percent >= threshold) {
                member.content = static_cast<std::int16_t>(percent);
                member.group = label;
                found = true;
            }
        }
        if (found) {
            reference.content = kContentReference;
            reference.group = label;
        }
        observer.stepOverall(1);
    }
}

} // namespace quorvex
