#pragma once
// Orders of the comparison list: by Name, by a cell (the content column by its
// number), and the restore order after a run. `SortKey` is the selector all list
// sorts share: low 16 bits the cell index, high 16 bits the direction (1 ascending);
// the name sort takes the whole value as its direction (non-zero ascending).

#include <cstdint>
#include <string_view>
#include <vector>

#include "common/TextRanks.h"
#include "compare/ComparisonList.h"

namespace quorvex {

using SortKey = std::uint32_t;

constexpr SortKey MakeSortKey(int cell, bool ascending)
{
    return (ascending ? 0x10000u : 0u) | static_cast<std::uint32_t>(cell);
}

// Texts as the list compares them: the locale's collation, case-sensitive.
int CompareCellTexts(std::string_view a, std::string_view b);

// Both non-empty: a text holding anything but digits loses its last character, then
// both are read as integers (-1 when not a number) and the difference is returned.
// Otherwise empty texts come first.
int CompareNumericCells(std::string_view s1, std::string_view s2);

// Both sort by the texts the list shows in `words`.
void SortComparisonRowsByName(ComparisonList& rows, SortKey key, const ComparisonWords& words);
// Cell `key & 0xFFFF`; cell 4 sorts by the numbers of cell 6.
void SortComparisonRowsByCell(ComparisonList& rows, SortKey key, const ComparisonWords& words);
// The order after a run: path cell ascending, then display name ascending, so every
// folder row comes right before the files it holds and top-level files come first.
// `goOn` is asked between the steps; when it stops the ordering, the rows keep the
// order they had and false is returned.
bool RestoreComparisonOrder(ComparisonList& rows, const OrderingGoesOn& goOn = {});

} // namespace quorvex
