#include "paths/ui/HistoryEdits.h"

#include "platform/TextOrder.h"
#include "platform/desktop/ShownText.h"

#include <algorithm>
#include <numeric>
#include <string>

bool MoveSelectedEntries(HistoryEntries& entries, int step)
{
    const int count = static_cast<int>(entries.size());
    if (count == 0 || (step != -1 && step != 1))
        return false;
    // Visiting the entries in the direction of the move lets every selected entry
    // pass an unselected one: the one before it has already moved on.
    const int edge = step < 0 ? 0 : count - 1;
    if (entries[edge].selected)
        return false;
    bool moved = false;
    for (int visited = 0; visited < count; ++visited) {
        const int index = step < 0 ? visited : count - 1 - visited;
        if (!entries[index].selected)
            continue;
        std::swap(entries[index], entries[index + step]);
        moved = true;
    }
    return moved;
}

bool DeleteSelectedEntries(HistoryEntries& entries)
{
    const auto first = std::ranges::find(entries, true, &HistoryEntry::selected);
    if (first == entries.end())
        return false;
    const auto place = static_cast<std::size_t>(first - entries.begin());
    std::erase_if(entries, [](const HistoryEntry& entry) { return entry.selected; });
    if (!entries.empty())
        entries[std::min(place, entries.size() - 1)].selected = true;
    return true;
}

void SortEntries(HistoryEntries& entries)
{
    std::vector<std::string> folded;
    folded.reserve(entries.size());
    for (const HistoryEntry& entry : entries)
        folded.push_back(TextBytes(entry.text.toCaseFolded()));
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return quorvex::platform::CompareText(folded[a].c_str(), folded[b].c_str()) < 0;
    });
    HistoryEntries sorted;
    sorted.reserve(entries.size());
    for (const std::size_t index : order)
        sorted.push_back(std::move(entries[index]));
    entries = std::move(sorted);
}
