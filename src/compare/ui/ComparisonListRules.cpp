#include "compare/ui/ComparisonListRules.h"

#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

#include <unordered_set>

namespace quorvex {

namespace {

const std::string kSame = " 同";

bool isFileRow(const std::string& pathCell)
{
    return pathCell.empty() || platform::IsSeparatorAt(pathCell, pathCell.size() - 1);
}

} // namespace

RowShade ComparisonRowShade(const ComparisonRow& row, bool compareContents)
{
    // The flags, not the "なし" texts, tell a missing side: an entry may be named so.
    if (!row.hasA() || !row.hasB())
        return RowShade::Missing;
    const std::string size = row.cell(1);
    const bool folderPair = size.empty();
    const bool alike =
        (folderPair || size == kSame) && row.cell(2) == kSame && row.cell(3).starts_with(kSame);
    if (!alike)
        return RowShade::Difference;
    if (!compareContents || folderPair || row.cell(6).find("100") != std::string::npos)
        return RowShade::Match;
    return RowShade::Normal;
}

std::string RowSidePath(const ComparisonRow& row, Side side, const std::string& rootA,
                        const std::string& rootB)
{
    const std::string& pathCell = row.pathCell();
    std::string path = platform::WithTrailingSeparator(side == Side::B ? rootB : rootA) + pathCell;
    if (isFileRow(pathCell))
        path += side == Side::B ? row.cell(0) : row.name();
    return path;
}

std::string ComparisonCellPath(const ComparisonRow* row, int clickedSide, const std::string& rootA,
                               const std::string& rootB)
{
    if (!row || (clickedSide != 0 && clickedSide != 1))
        return {};
    return RowSidePath(*row, clickedSide == 1 ? Side::B : Side::A, rootA, rootB);
}

bool RowHasSide(const ComparisonRow& row, int clickedSide)
{
    if (clickedSide == 0)
        return row.hasA() && !row.displayName().empty();
    if (clickedSide == 1)
        return row.hasB() && !row.cell(0).empty();
    return false;
}

std::string ComparisonItemPath(const ComparisonRow* row, int clickedSide, const std::string& rootA,
                               const std::string& rootB)
{
    if (!row || !RowHasSide(*row, clickedSide))
        return {};
    return ComparisonCellPath(row, clickedSide, rootA, rootB);
}

std::optional<PlannedAction> ComparisonTrashItem(const ComparisonRow* row, int clickedSide,
                                                 const std::string& rootA, const std::string& rootB)
{
    std::string path = ComparisonItemPath(row, clickedSide, rootA, rootB);
    if (path.empty())
        return std::nullopt;
    const bool folder = !isFileRow(row->pathCell());
    if (!(folder ? platform::IsExistingFolder(path) : platform::IsExistingFile(path)))
        return std::nullopt;
    PlannedAction item;
    item.path = platform::AbsolutePath(path);
    item.folder = folder;
    return item;
}

void MarkDeletedOnSide(std::vector<ComparisonRow>& rows, const std::vector<int>& indices, Side side)
{
    const bool sideB = side == Side::B;
    std::unordered_set<std::string> folders; // path cells of the deleted folder rows
    for (int index : indices) {
        if (index < 0 || static_cast<std::size_t>(index) >= rows.size())
            continue;
        ComparisonRow& row = rows[static_cast<std::size_t>(index)];
        row.markSideGone(sideB);
        if (!isFileRow(row.pathCell()))
            folders.insert(row.pathCell());
    }
    if (folders.empty())
        return;
    // A row lies below a deleted folder when its path cell continues one of theirs
    // with a separator.
    for (ComparisonRow& row : rows) {
        const std::string& cell = row.pathCell();
        for (std::size_t end = 1; end < cell.size(); ++end) {
            if (platform::IsSeparatorAt(cell, end) && folders.contains(cell.substr(0, end))) {
                row.markSideGone(sideB);
                break;
            }
        }
    }
}

} // namespace quorvex
