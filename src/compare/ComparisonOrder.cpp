#include "compare/ComparisonOrder.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <numeric>
#include <string>
#include <tuple>

namespace quorvex {

namespace {

int numberOrMinusOne(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return -1;
    return value;
}

// Sorts the rows by `less` over their indices and moves them into that order.
template <typename Less> void reorder(std::vector<ComparisonRow>& rows, Less less)
{
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), less);
    std::vector<ComparisonRow> sorted;
    sorted.reserve(rows.size());
    for (std::size_t index : order)
        sorted.push_back(std::move(rows[index]));
    rows = std::move(sorted);
}

// Sorts by one text per row, built once.
template <typename Compare>
void sortByText(std::vector<ComparisonRow>& rows, std::vector<std::string> keys, bool ascending,
                Compare compare)
{
    reorder(rows, [&](std::size_t a, std::size_t b) {
        const int c = compare(keys[a], keys[b]);
        return ascending ? c < 0 : c > 0;
    });
}

} // namespace

int CompareCellTexts(std::string_view a, std::string_view b)
{
    // strcoll needs terminated texts; cells are std::string in every caller but a view
    // may be a part of one.
    return std::strcoll(std::string(a).c_str(), std::string(b).c_str());
}

int CompareNumericCells(std::string_view s1, std::string_view s2)
{
    if (s1.empty() || s2.empty())
        return (s1.empty() ? 0 : 1) - (s2.empty() ? 0 : 1);
    auto read = [](std::string_view text) {
        if (text.find_first_not_of("0123456789") != std::string_view::npos)
            text.remove_suffix(1);
        return static_cast<long long>(numberOrMinusOne(text));
    };
    const long long difference = read(s1) - read(s2);
    return difference < 0 ? -1 : difference > 0 ? 1 : 0;
}

void SortComparisonRowsByName(std::vector<ComparisonRow>& rows, SortKey key)
{
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (const auto& row : rows)
        names.push_back(row.name());
    sortByText(rows, std::move(names), key != 0, CompareCellTexts);
}

void SortComparisonRowsByCell(std::vector<ComparisonRow>& rows, SortKey key)
{
    const int cell = static_cast<int>(key & 0xFFFF);
    const bool ascending = (key >> 16) == 1;
    const bool numeric = cell == 4;
    std::vector<std::string> texts;
    texts.reserve(rows.size());
    for (const auto& row : rows)
        texts.push_back(row.cell(numeric ? 6 : cell));
    if (numeric)
        sortByText(rows, std::move(texts), ascending, CompareNumericCells);
    else
        sortByText(rows, std::move(texts), ascending, CompareCellTexts);
}

void RestoreComparisonOrder(std::vector<ComparisonRow>& rows)
{
    reorder(rows, [&](std::size_t a, std::size_t b) {
        const ComparisonRow& x = rows[a];
        const ComparisonRow& y = rows[b];
        if (int c = std::strcoll(x.pathCell().c_str(), y.pathCell().c_str()); c != 0)
            return c < 0;
        if (int c = std::strcoll(x.displayName().c_str(), y.displayName().c_str()); c != 0)
            return c < 0;
        // Names the collation cannot tell apart keep a fixed order by their bytes.
        return std::tie(x.pathCell(), x.displayName()) < std::tie(y.pathCell(), y.displayName());
    });
}

} // namespace quorvex
