#pragma once
// Rules of the comparison list that need no widgets: the background shade of a row,
// the full path behind a row's name cell of side A or B, and what the list actions
// work on and change.

#include "actions/ActionPlan.h"
#include "compare/ComparisonList.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvex {

enum class RowShade
{
    Normal,     // the list's own background
    Missing,    // one side lacks the entry
    Difference, // size, time or attributes differ
    Match,      // alike (with content comparison: only at 100 %, or a folder pair)
};

// `compareContents` is the current state of "内容を比較する".
RowShade ComparisonRowShade(const ComparisonRow& row, bool compareContents);

enum class Side
{
    A,
    B
};

// The full path of the row's entry on `side`, built from the roots of the run: the
// folder row's own relative path, or the file's folder and its name on that side.
std::string RowSidePath(const ComparisonList& rows, const ComparisonRow& row, Side side,
                        const std::string& rootA, const std::string& rootB);

// The side whose icon a row shows: A, or B when A lacks the entry.
inline Side IconSide(const ComparisonRow& row)
{
    return row.hasA() ? Side::A : Side::B;
}

// True when the row's entry exists on the clicked side (0: A, 1: B) by the run's
// findings and has a name there.
bool RowHasSide(const ComparisonList& rows, const ComparisonRow& row, int clickedSide);

// The path behind the clicked name cell (clickedSide 0: A, 1: B), a missing file
// named by the missing word as its cell shows it; empty without a row or when
// neither name cell was clicked.
std::string ComparisonCellPath(const ComparisonList& rows, const ComparisonRow* row,
                               int clickedSide, const std::string& rootA, const std::string& rootB,
                               const ComparisonWords& words);

// The item the list actions work on: ComparisonCellPath when the row has the clicked
// side, else empty (a missing side names nothing to open, copy or delete).
std::string ComparisonItemPath(const ComparisonList& rows, const ComparisonRow* row,
                               int clickedSide, const std::string& rootA, const std::string& rootB);

// The item a deletion sends to the trash: the item path when that file (for a file
// row) or folder (for a folder row) exists on disk and the row is as listed (a row of
// an opened list may not be); else nullopt.
std::optional<PlannedAction> ComparisonTrashItem(const ComparisonList& rows,
                                                 const ComparisonRow* row, int clickedSide,
                                                 const std::string& rootA,
                                                 const std::string& rootB);

// After a deletion on `side`: the rows at `indices`, and every row below a folder
// row among them, show that side as gone.
void MarkDeletedOnSide(ComparisonList& rows, const std::vector<int>& indices, Side side);

} // namespace quorvex
