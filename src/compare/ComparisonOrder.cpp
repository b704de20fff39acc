#include "compare/ComparisonOrder.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <limits>
#include <string>
#include <utility>

#include "common/TextRanks.h"
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

// The value CompareNumericCells orders a cell by: empty cells before every number.
long long numericCellValue(std::string_view text)
{
    if (text.empty())
        return std::numeric_limits<long long>::min();
    if (text.find_first_not_of("0123456789") != std::string_view::npos)
        text.remove_suffix(1);
    return numberOrMinusOne(text);
}

// The rank of each path cell of the list's table in the order of their texts: a
// table of one or two cells per folder ranks far quicker than a million rows.
std::vector<std::uint32_t> rankPathCells(const ComparisonList& rows, const OrderingGoesOn& goOn)
{
    const std::vector<std::string>& cells = rows.pathCells();
    return RankRowsByText(
        cells.size(), [&cells](std::size_t cell) -> std::string_view { return cells[cell]; }, goOn);
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

void SortComparisonRowsByName(ComparisonList& rows, SortKey key, const ComparisonWords& words)
{
    const auto nameOf = [&rows, &words](std::size_t row) -> std::string_view {
        return rows[row].hasA() ? rows.displayName(rows[row]) : words.missing;
    };
    ApplyRowOrder(rows.records(), OrderRowsByText(rows.size(), nameOf, key != 0));
}

void SortComparisonRowsByCell(ComparisonList& rows, SortKey key, const ComparisonWords& words)
{
    const int cell = static_cast<int>(key & 0xFFFF);
    const bool ascending = (key >> 16) == 1;
    if (cell == 4) {
        // By the number of cell 6, equal numbers in row order.
        std::vector<std::pair<long long, std::uint32_t>> values;
        values.reserve(rows.size());
        for (std::size_t row = 0; row < rows.size(); ++row)
            values.emplace_back(numericCellValue(rows[row].factCell(6, words)),
                                static_cast<std::uint32_t>(row));
        std::sort(values.begin(), values.end(), [ascending](const auto& a, const auto& b) {
            if (a.first != b.first)
                return ascending ? a.first < b.first : b.first < a.first;
            return a.second < b.second;
        });
        std::vector<std::uint32_t> order;
        order.reserve(values.size());
        for (const auto& value : values)
            order.push_back(value.second);
        ApplyRowOrder(rows.records(), order);
        return;
    }
    // The cells are built once.
    std::vector<std::string> built;
    built.reserve(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row)
        built.push_back(rows.cell(rows[row], cell, words));
    const auto textOf = [&built](std::size_t row) -> std::string_view { return built[row]; };
    ApplyRowOrder(rows.records(), OrderRowsByText(rows.size(), textOf, ascending));
}

bool RestoreComparisonOrder(ComparisonList& rows, const OrderingGoesOn& goOn)
{
    const std::vector<std::uint32_t> pathRanks = rankPathCells(rows, goOn);
    if (pathRanks.size() != rows.pathCells().size())
        return false;
    const std::vector<std::uint32_t> nameRanks = RankRowsByText(
        rows.size(),
        [&rows](std::size_t row) -> std::string_view { return rows.displayName(rows[row]); }, goOn);
    if (nameRanks.size() != rows.size())
        return false;
    // Path, then name, then (for rows alike in both) the order of the run.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> keys;
    keys.reserve(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row)
        keys.emplace_back(std::uint64_t{pathRanks[rows[row].pathCell()]} << 32 | nameRanks[row],
                          static_cast<std::uint32_t>(row));
    if (!SortInSteps(keys, std::less<>(), goOn))
        return false;
    std::vector<std::uint32_t> order;
    order.reserve(keys.size());
    for (const auto& key : keys)
        order.push_back(key.second);
    ApplyRowOrder(rows.records(), order);
    return true;
}

} // namespace quorvex
