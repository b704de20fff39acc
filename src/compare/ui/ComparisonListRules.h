#pragma once
// Rules of the comparison list that need no widgets: the background shade of a row,
// and the full path behind a row's name cell of side A or B.

#include "compare/ComparisonRow.h"

#include <string>

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
// folder row's own relative path, or the file's folder and name ("なし" as the name
// of a missing file).
std::string RowSidePath(const ComparisonRow& row, Side side, const std::string& rootA,
                        const std::string& rootB);

// The side whose icon a row shows: A, or B when A lacks the entry.
inline Side IconSide(const ComparisonRow& row)
{
    return row.hasA() ? Side::A : Side::B;
}

// The path behind the clicked name cell (clickedSide 0: A, 1: B); empty without a
// row or when neither name cell was clicked.
std::string ComparisonCellPath(const ComparisonRow* row, int clickedSide, const std::string& rootA,
                               const std::string& rootB);

} // namespace quorvex
