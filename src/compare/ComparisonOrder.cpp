#include "compare/ComparisonOrder.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <numeric>
#include <string>
#include <tuple>

#include "platform/TextOrder.h"

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

// Sorts by one sort key per row, built once.
void sortByCollation(std::vector<ComparisonRow>& rows, const std::vector<std::string>& texts,
                     bool ascending)
{
    std::vector<std::string> keys;
    keys.reserve(texts.size());
    for (const auto& text : texts)
        keys.push_back(platform::TextSortKey(text));
    reorder(rows, [&](std::size_t a, std::size_t b) {
        return ascending ? keys[a] < keys[b] : keys[b] < keys[a];
    });
}

// The value CompareNumericCells orders a cell by: empty cells before every number.
long long numericCellValue(std::string_view text)
{
    if (text.empty())
        return std::numeric_limits<long long>::min();
    if (text.find_first_not_of("0123456789") != std::string_view::npos)
        text.remove_suffix(1);
    return numberOrMinusOne(text);
}

} // namespace

int CompareCellTexts(std::string_view a, std::string_view b)
{
    // The comparison needs terminated texts; cells are std::string in every caller but
    // a view may be a part of one.
    return platform::CompareText(std::string(a).c_str(), std::string(b).c_str());
}

int CompareNumericCells(std::string_view s1, std::string_view s2)
{
    if (s1.empty() || s2.empty())
        return (s1.empty() ? 0 : 1) - (s2.empty() ? 0 : 1);
    const long long difference = numericCellValue(s1) - numericCellValue(s2);
    return difference < 0 ? -1 : difference > 0 ? 1 : 0;
}

void SortComparisonRowsByName(std::vector<ComparisonRow>& rows, SortKey key)
{
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (const auto& row : rows)
        names.push_back(row.name());
    sortByCollation(rows, names, key != 0);
}

void SortComparisonRowsByCell(std::vector<ComparisonRow>& rows, SortKey key)
{
    const int cell = static_cast<int>(key & 0xFFFF);
    const bool ascending = (key >> 16) == 1;
    const bool numeric = cell == 4;
    if (numeric) {
        std::vector<long long> values;
        values.reserve(rows.size());
        for (const auto& row : rows)
            values.push_back(numericCellValue(row.cell(6)));
        reorder(rows, [&](std::size_t a, std::size_t b) {
            return ascending ? values[a] < values[b] : values[b] < values[a];
        });
        return;
    }
    std::vector<std::string> texts;
    texts.reserve(rows.size());
    for (const auto& row : rows)
        texts.push_back(row.cell(cell));
    sortByCollation(rows, texts, ascending);
}

void RestoreComparisonOrder(std::vector<ComparisonRow>& rows)
{
    std::vector<std::string> pathKeys, nameKeys;
    pathKeys.reserve(rows.size());
    nameKeys.reserve(rows.size());
    for (const auto& row : rows) {
        pathKeys.push_back(platform::TextSortKey(row.pathCell()));
        nameKeys.push_back(platform::TextSortKey(row.displayName()));
    }
    reorder(rows, [&](std::size_t a, std::size_t b) {
        const ComparisonRow& x = rows[a];
        const ComparisonRow& y = rows[b];
        // Names the collation cannot tell apart keep a fixed order by their bytes.
        return std::tie(pathKeys[a], nameKeys[a], x.pathCell(), x.displayName()) <
               std::tie(pathKeys[b], nameKeys[b], y.pathCell(), y.displayName());
    });
}

} // namespace quorvex
