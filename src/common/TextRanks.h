#pragma once
// Orders of many rows by a text of each, quick at a million rows: every text becomes
// its sort key once (a text is its own key where the system orders texts by their
// bytes), and the keys are sorted on their first 16 bytes held beside the row
// number, so only keys that agree that far are read again. Texts that the system's
// comparison cannot tell apart are ordered by their bytes: every order is complete
// and the same at every run.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvex {

// The text of row `row`; it must stay valid while the rows are ordered.
using RowText = std::function<std::string_view(std::size_t row)>;

// Called between the steps of a long ordering, so that the caller's window answers
// meanwhile; false stops the ordering. The texts must stay as they are meanwhile.
using OrderingGoesOn = std::function<bool()>;

// The rows 0..count-1 in the order of their texts, ascending or descending; rows
// with equal texts in ascending row order either way. Empty when `goOn` stopped it.
std::vector<std::uint32_t> OrderRowsByText(std::size_t count, const RowText& textOf, bool ascending,
                                           const OrderingGoesOn& goOn = {});

// Each row's rank in the order of the texts: equal texts share a rank, and the
// smaller rank sorts first. For orders by several texts. Empty when `goOn` stopped it.
std::vector<std::uint32_t> RankRowsByText(std::size_t count, const RowText& textOf,
                                          const OrderingGoesOn& goOn = {});

// Sorts `items` by `less`, a strict total order, in steps: blocks sorted one by one,
// then merged pairwise, `goOn` asked after each step. The order is the one a single
// sort gives. False when `goOn` stopped it; the items are then in no useful order.
template <typename Item, typename Less>
bool SortInSteps(std::vector<Item>& items, Less less, const OrderingGoesOn& goOn)
{
    constexpr std::size_t kStep = std::size_t{1} << 16;
    const std::size_t count = items.size();
    const auto at = [&items, count](std::size_t index) {
        return items.begin() + static_cast<std::ptrdiff_t>(std::min(index, count));
    };
    const auto goesOn = [&goOn] { return !goOn || goOn(); };
    for (std::size_t begin = 0; begin < count; begin += kStep) {
        std::sort(at(begin), at(begin + kStep), less);
        if (!goesOn())
            return false;
    }
    for (std::size_t width = kStep; width < count; width *= 2)
        for (std::size_t begin = 0; begin + width < count; begin += 2 * width) {
            std::inplace_merge(at(begin), at(begin + width), at(begin + 2 * width), less);
            if (!goesOn())
                return false;
        }
    return true;
}

// Moves `rows` into `order` (a permutation of their positions: the row at
// order[k] goes to position k), in place, along the permutation's cycles: no second
// list of rows is allocated, and each row moves once.
template <typename Row> void ApplyRowOrder(std::vector<Row>& rows, std::vector<std::uint32_t> order)
{
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (order[start] == start)
            continue;
        Row held = std::move(rows[start]);
        std::size_t position = start;
        for (;;) {
            const std::size_t from = order[position];
            order[position] = static_cast<std::uint32_t>(position); // placed
            if (from == start) {
                rows[position] = std::move(held);
                break;
            }
            rows[position] = std::move(rows[from]);
            position = from;
        }
    }
}

} // namespace quorvex
