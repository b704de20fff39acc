#include "compare/ComparisonList.h"

#include "platform/PathText.h"

namespace quorvex {

void ComparisonList::reserve(std::size_t rows, std::size_t nameBytes)
{
    rows_.reserve(rows_.size() + rows);
    names_.reserve(names_.size() + nameBytes);
}

std::uint32_t ComparisonList::addPathCell(std::string cell)
{
    pathCells_.push_back(std::move(cell));
    return static_cast<std::uint32_t>(pathCells_.size() - 1);
}

ComparisonRow& ComparisonList::add(std::string_view name, std::uint32_t pathCell, bool hasA,
                                   bool hasB, std::optional<std::string_view> counterpartName)
{
    const std::uint64_t offset = names_.size();
    names_.append(name);
    names_.push_back('\0');
    const bool otherName = counterpartName && *counterpartName != name;
    if (otherName) {
        names_.append(*counterpartName);
        names_.push_back('\0');
    }
    return rows_.emplace_back(offset, pathCell, otherName, hasA, hasB);
}

void ComparisonList::clear()
{
    // Swapped with empty ones so that the room they held is returned too.
    std::vector<ComparisonRow>().swap(rows_);
    std::string().swap(names_);
    std::vector<std::string>().swap(pathCells_);
}

std::string_view ComparisonList::displayName(const ComparisonRow& row) const
{
    return names_.data() + row.nameOffset();
}

std::string_view ComparisonList::sideName(const ComparisonRow& row, bool sideB) const
{
    const std::string_view name = displayName(row);
    if (!sideB || !row.hasCounterpartName())
        return name;
    return name.data() + name.size() + 1;
}

bool ComparisonList::isFileRow(const ComparisonRow& row) const
{
    const std::string& cell = pathCell(row);
    return cell.empty() || platform::IsSeparatorAt(cell, cell.size() - 1);
}

std::string ComparisonList::entryPath(const ComparisonRow& row, const std::string& root,
                                      std::string_view fileName) const
{
    std::string path = platform::WithTrailingSeparator(root) + pathCell(row);
    if (isFileRow(row))
        path += fileName;
    return path;
}

std::string ComparisonList::name(const ComparisonRow& row, const ComparisonWords& words) const
{
    return row.hasA() ? std::string(displayName(row)) : words.missing;
}

std::string ComparisonList::cell(const ComparisonRow& row, int index,
                                 const ComparisonWords& words) const
{
    switch (index) {
    case 0:
        return row.hasB() ? std::string(sideName(row, true)) : words.missing;
    case 5:
        return pathCell(row);
    default:
        return row.factCell(index, words);
    }
}

} // namespace quorvex
