#pragma once
// Orders of the duplicate list and its group shading.

#include <array>
#include <cstdint>

#include "duplicates/DupRecord.h"

namespace quorvex {

// Cells of the numeric cell order (the low half of a sort key).
enum DupCell : std::uint32_t
{
    kCellContent = 0,
    kCellSize = 1,
    kCellDate = 2,
    kCellFolder = 3,
    kCellGroup = 4,
};

// Name order (locale-aware comparison of the names); `sortKey` non-zero ascending.
void SortDupListByName(DupList& list, std::uint32_t sortKey);

// Numeric cell order: low 16 bits of `sortKey` the cell, high 16 bits the direction
// (1 ascending). Content and group compare as numbers with empty cells first (the
// reference row reads -1), size as a 64-bit count, date and folder as locale-aware
// text; in equal groups the reference row leads, the others follow by their content
// texts in reverse. Rows that compare equal keep their relative order.
void SortDupListByCell(DupList& list, std::uint32_t sortKey);

// Writes the alternating shading value into every row's band: starting from 0 and
// an empty previous label, it flips whenever a row's group differs from the label
// before it (so a duplicate result starts with 1, an identical result stays 0).
void AssignBands(DupList& list);

// The sort state of the duplicate list: the column that carries the marker, its
// direction, and per column the direction that its next click applies.
struct DupSortState
{
    static constexpr int kColumnCount = 6;
    static constexpr int kGroupColumn = 5;

    int sortColumn = 0;
    int sortDirection = -1; // 1 ascending, 0 descending, -1 no marker
    std::array<int, kColumnCount> directionFlags{};

    // The state a search start sets: "重複" ascending, its next click descending.
    // Returns the column that carried the marker before.
    int resetForSearch();
    // Sorts `list` by the clicked column (0 name, 1 content, 2 size, 3 date,
    // 4 folder, 5 group) with that column's flag, flips the flag, reassigns the
    // bands and moves the marker. Returns the column that carried the marker before.
    int clickColumn(DupList& list, int column);
};

} // namespace quorvex
