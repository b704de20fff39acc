#include "compare/ui/ComparisonListRules.h"

#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

#include <unordered_set>

namespace quorvex {

namespace {

std::string sidePath(const ComparisonList& rows, const ComparisonRow& row, Side side,
                     const std::string& rootA, const std::string& rootB, std::string_view fileName)
{
    return rows.entryPath(row, side == Side::B ? rootB : rootA, fileName);
}

} // namespace

RowShade ComparisonRowShade(const ComparisonRow& row, bool compareContents)
{
    if (!row.hasA() || !row.hasB())
        return RowShade::Missing;
    const bool folderPair = row.sizeRelation() == Relation::None;
    const bool alike = (folderPair || row.sizeRelation() == Relation::Equal) &&
                       row.timeRelation() == Relation::Equal && row.attributesAlike();
    if (!alike)
        return RowShade::Difference;
    if (!compareContents || folderPair || row.percent() == 100)
        return RowShade::Match;
    return RowShade::Normal;
}

std::string RowSidePath(const ComparisonList& rows, const ComparisonRow& row, Side side,
                        const std::string& rootA, const std::string& rootB)
{
    return sidePath(rows, row, side, rootA, rootB, rows.sideName(row, side == Side::B));
}

std::string ComparisonCellPath(const ComparisonList& rows, const ComparisonRow* row,
                               int clickedSide, const std::string& rootA, const std::string& rootB,
                               const ComparisonWords& words)
{
    if (!row || (clickedSide != 0 && clickedSide != 1))
        return {};
    const Side side = clickedSide == 1 ? Side::B : Side::A;
    return sidePath(rows, *row, side, rootA, rootB,
                    clickedSide == 1 ? rows.cell(*row, 0, words) : rows.name(*row, words));
}

bool RowHasSide(const ComparisonList& rows, const ComparisonRow& row, int clickedSide)
{
    if (clickedSide == 0)
        return row.hasA() && !rows.displayName(row).empty();
    if (clickedSide == 1)
        return row.hasB() && !rows.sideName(row, true).empty();
    return false;
}

std::string ComparisonItemPath(const ComparisonList& rows, const ComparisonRow* row,
                               int clickedSide, const std::string& rootA, const std::string& rootB)
{
    if (!row || !RowHasSide(rows, *row, clickedSide))
        return {};
    return RowSidePath(rows, *row, clickedSide == 1 ? Side::B : Side::A, rootA, rootB);
}

std::optional<PlannedAction> ComparisonTrashItem(const ComparisonList& rows,
                                                 const ComparisonRow* row, int clickedSide,
                                                 const std::string& rootA, const std::string& rootB)
{
    std::string path = ComparisonItemPath(rows, row, clickedSide, rootA, rootB);
    if (path.empty() || row->check() != DiskCheck::AsListed)
        return std::nullopt;
    const bool folder = !rows.isFileRow(*row);
    if (!(folder ? platform::IsExistingFolder(path) : platform::IsExistingFile(path)))
        return std::nullopt;
    PlannedAction item;
    item.path = platform::AbsolutePath(path);
    item.folder = folder;
    return item;
}

void MarkDeletedOnSide(ComparisonList& rows, const std::vector<int>& indices, Side side)
{
    const bool sideB = side == Side::B;
    std::unordered_set<std::string> folders; // path cells of the deleted folder rows
    for (int index : indices) {
        if (index < 0 || static_cast<std::size_t>(index) >= rows.size())
            continue;
        ComparisonRow& row = rows[static_cast<std::size_t>(index)];
        row.markSideGone(sideB);
        if (!rows.isFileRow(row))
            folders.insert(rows.pathCell(row));
    }
    if (folders.empty())
        return;
    // A row lies below a deleted folder when its path cell continues one of theirs
    // with a separator; each path cell is looked at once, not once per row.
    const std::vector<std::string>& cells = rows.pathCells();
    std::vector<bool> below(cells.size());
    for (std::size_t index = 0; index < cells.size(); ++index) {
        const std::string& cell = cells[index];
        for (std::size_t end = 1; end < cell.size() && !below[index]; ++end)
            below[index] =
                platform::IsSeparatorAt(cell, end) && folders.contains(cell.substr(0, end));
    }
    for (ComparisonRow& row : rows.records())
        if (below[row.pathCell()])
            row.markSideGone(sideB);
}

} // namespace quorvex
