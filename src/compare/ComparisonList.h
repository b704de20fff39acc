#pragma once
// The rows of a comparison and the texts they share: every name in one byte arena
// (NUL-terminated, B's name right after A's where they differ) and every path cell
// once in a table, so that a row of a million costs its record and its name's bytes.
//
// Use:
//   const std::uint32_t cell = list.addPathCell("sub/");
//   ComparisonRow& row = list.add("a.txt", cell, true, true);
//   list.cell(row, 5, words);   // "sub/"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compare/ComparisonRow.h"

namespace quorvex {

class ComparisonList
{
public:
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    ComparisonRow& operator[](std::size_t row) { return rows_[row]; }
    const ComparisonRow& operator[](std::size_t row) const { return rows_[row]; }
    // The records alone, for reordering: the texts stay where they are.
    std::vector<ComparisonRow>& records() { return rows_; }

    // Room for `rows` more rows with `nameBytes` bytes of names (NULs included).
    void reserve(std::size_t rows, std::size_t nameBytes);
    // A path cell for rows to come; its index.
    std::uint32_t addPathCell(std::string cell);
    // A row named `name` on side A, and `counterpartName` on side B when that differs.
    ComparisonRow& add(std::string_view name, std::uint32_t pathCell, bool hasA, bool hasB,
                       std::optional<std::string_view> counterpartName = std::nullopt);
    // Frees every row and text.
    void clear();

    std::string_view displayName(const ComparisonRow& row) const;
    // The entry's name on side A or B, whether or not that side has it.
    std::string_view sideName(const ComparisonRow& row, bool sideB) const;
    const std::string& pathCell(const ComparisonRow& row) const
    {
        return pathCells_[row.pathCell()];
    }
    const std::vector<std::string>& pathCells() const { return pathCells_; }
    // Whether the row stands for a file (its path cell is the folder holding it, ending
    // in a separator, or empty at the root) rather than a folder.
    bool isFileRow(const ComparisonRow& row) const;
    // The full path of the row's entry below `root`: the folder row's own relative
    // path, or the file's folder and `fileName`.
    std::string entryPath(const ComparisonRow& row, const std::string& root,
                          std::string_view fileName) const;
    // Name: the display name, or the missing word when A lacks the entry.
    std::string name(const ComparisonRow& row, const ComparisonWords& words) const;
    // Cells 0..6 (cell 0 B's name, cell 5 the path cell, cell 6 the plain percentage).
    std::string cell(const ComparisonRow& row, int index, const ComparisonWords& words) const;

private:
    std::vector<ComparisonRow> rows_;
    std::string names_;
    std::vector<std::string> pathCells_;
};

} // namespace quorvex
