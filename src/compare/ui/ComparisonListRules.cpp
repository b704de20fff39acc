#include "compare/ui/ComparisonListRules.h"

namespace quorvex {

namespace {

const std::string kSame = " 同";

bool isFileRow(const std::string& pathCell)
{
    return pathCell.empty() || pathCell.back() == '/';
}

std::string withSeparator(const std::string& folder)
{
    return !folder.empty() && folder.back() == '/' ? folder : folder + '/';
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
    std::string path = withSeparator(side == Side::B ? rootB : rootA) + pathCell;
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

} // namespace quorvex
