#include "compare/ComparisonTableReader.h"

#include <optional>

#include "common/Filters.h"
#include "common/SavedTable.h"
#include "compare/PathCaption.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

constexpr int kFieldCount = 1 + kCellCount;

std::optional<Relation> relationOf(const std::string& cell, const std::string& greater,
                                   const std::string& smaller, const std::string& same)
{
    if (cell.empty())
        return Relation::None;
    if (cell == greater)
        return Relation::Greater;
    if (cell == smaller)
        return Relation::Smaller;
    if (cell == same)
        return Relation::Equal;
    return std::nullopt;
}

// Facts on two sides that give `relation` (a None size relation: two folders).
void setRelation(Relation relation, std::int64_t& a, std::int64_t& b)
{
    a = relation == Relation::Greater ? 1 : relation == Relation::None ? -1 : 0;
    b = relation == Relation::Smaller ? 1 : 0;
}

// The attribute word whose letters are `letters` ("A/H"); the letters of each bit
// are FormatAttributeText's own.
std::optional<std::uint32_t> attributesOf(std::string_view letters)
{
    std::uint32_t word = 0;
    while (!letters.empty()) {
        const std::size_t slash = letters.find('/');
        const std::string_view letter = letters.substr(0, slash);
        std::uint32_t bit = 1;
        while (bit != 0 && FormatAttributeText(bit) != letter)
            bit <<= 1;
        // Each letter once: a longer text is none that a row shows.
        if (bit == 0 || (word & bit) != 0)
            return std::nullopt;
        word |= bit;
        letters = slash == std::string_view::npos ? std::string_view() : letters.substr(slash + 1);
    }
    return word;
}

// The facts of both sides that give the relation cells 1 to 3; false when they are
// none that a row can show.
bool relationFacts(const std::vector<std::string>& fields, const ComparisonWords& words,
                   EntryFacts& a, EntryFacts& b)
{
    const auto size = relationOf(fields[2], words.larger, words.smaller, words.same);
    const auto time = relationOf(fields[3], words.newer, words.older, words.same);
    if (!size || !time)
        return false;
    setRelation(*size, a.size, b.size);
    setRelation(*time, a.time, b.time);
    const std::string& cell = fields[4];
    std::optional<std::uint32_t> attributesA, attributesB;
    if (cell == words.same) {
        attributesA = attributesB = 0;
    } else if (cell.starts_with(words.same + "  ")) {
        attributesA = attributesB =
            attributesOf(std::string_view(cell).substr(words.same.size() + 2));
    } else if (const std::size_t dash = cell.find('-'); dash != std::string::npos) {
        attributesA = attributesOf(std::string_view(cell).substr(0, dash));
        attributesB = attributesOf(std::string_view(cell).substr(dash + 1));
    }
    if (!attributesA || !attributesB)
        return false;
    a.attributes = *attributesA;
    b.attributes = *attributesB;
    return true;
}

// The content cell 4 and the percentage of cell 6.
bool setContent(const std::vector<std::string>& fields, ComparisonRow& row)
{
    const std::string& shown = fields[5];
    std::uint64_t plain = 0;
    int percent = -1;
    if (!fields[7].empty()) {
        if (!ReadDecimal(fields[7], 100, plain))
            return false;
        percent = static_cast<int>(plain);
    }
    if (shown == "-----")
        row.setContent(ContentCell::NotCompared, percent);
    else if (shown == "-------")
        row.setContent(ContentCell::NotShown, percent);
    else if (shown.empty())
        row.setContent(ContentCell::Empty, percent);
    else
        row.setContent(ContentCell::Percent, shown == "-1%" ? -1 : percent);
    return true;
}

std::string rowError(std::size_t row)
{
    return "row " + std::to_string(row + 1) + ": cells that no comparison row shows";
}

// Whether `text` is a name or, with `path`, a relative path (ending in a separator
// or not) below a root: no NUL, no empty, "." or ".." component, nothing absolute.
bool staysBelowRoot(std::string_view text, bool path)
{
    if (text.find('\0') != std::string_view::npos)
        return false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !platform::IsSeparatorAt(text, i))
            continue;
        const std::string_view part = text.substr(start, i - start);
        const bool last = i == text.size();
        if (!last && !path)
            return false;
        if ((part.empty() && !(last && path)) || part == "." || part == "..")
            return false;
        start = i + 1;
    }
    return platform::RootLength(text) == 0;
}

// Reads one row into `list`; false when its cells are not those of a row, or name
// entries outside the roots.
bool addRow(const std::vector<std::string>& fields, const ComparisonWords& words,
            ComparisonList& list)
{
    const bool hasA = fields[0] != words.missing;
    const bool hasB = fields[1] != words.missing;
    const std::string& pathCell = fields[6];
    if (!staysBelowRoot(pathCell, true) || (hasA && !staysBelowRoot(fields[0], false)) ||
        (hasB && !staysBelowRoot(fields[1], false)))
        return false;
    const std::vector<std::string>& cells = list.pathCells();
    const std::uint32_t cell = !cells.empty() && cells.back() == pathCell
                                   ? static_cast<std::uint32_t>(cells.size() - 1)
                                   : list.addPathCell(pathCell);
    const std::string& name = hasA ? fields[0] : hasB ? fields[1] : std::string();
    ComparisonRow& row =
        list.add(name, cell, hasA, hasB,
                 hasA && hasB ? std::optional<std::string_view>(fields[1]) : std::nullopt);
    if (!fields[4].empty()) {
        EntryFacts a, b;
        if (!relationFacts(fields, words, a, b))
            return false;
        row.setRelations(a, b);
    }
    if (!setContent(fields, row))
        return false;
    // The row must show the cells it was read from.
    if (list.name(row, words) != fields[0])
        return false;
    for (int index = 0; index < kCellCount; ++index)
        if (list.cell(row, index, words) != fields[static_cast<std::size_t>(index) + 1])
            return false;
    return true;
}

// Whether the entry at `path` is there, of the row's kind.
std::optional<EntryFacts> factsOf(const std::string& path, bool fileMode, bool fileRow)
{
    const std::optional<EntryFacts> facts =
        fileMode ? GetFileFacts(path) : GetFolderEntryFacts(path);
    const std::optional<platform::DirEntry> entry = platform::LookupEntry(path);
    if (!facts || !entry || entry->isDirectory() == fileRow)
        return std::nullopt;
    return facts;
}

DiskCheck checkOnDisk(const ComparisonList& list, ComparisonRow& row, bool fileMode,
                      const std::string& rootA, const std::string& rootB,
                      const ComparisonWords& words)
{
    const bool fileRow = list.isFileRow(row);
    const auto a =
        factsOf(list.entryPath(row, rootA, list.sideName(row, false)), fileMode, fileRow);
    const auto b = factsOf(list.entryPath(row, rootB, list.sideName(row, true)), fileMode, fileRow);
    if ((row.hasA() && !a) || (row.hasB() && !b))
        return DiskCheck::Vanished;
    if (a)
        row.setHidden((a->attributes & platform::kAttrHidden) != 0);
    if (row.hasA() != a.has_value() || row.hasB() != b.has_value())
        return DiskCheck::Changed;
    if (!a || !b)
        return DiskCheck::AsListed;
    ComparisonRow now = row;
    now.setRelations(*a, *b);
    for (int index : {1, 2, 3})
        if (now.factCell(index, words) != row.factCell(index, words))
            return DiskCheck::Changed;
    return DiskCheck::AsListed;
}

std::string ReadWithWords(std::string_view text, std::string_view pathA, std::string_view pathB,
                          const ComparisonWords& words, ComparisonEngine& engine)
{
    SavedTable table;
    ComparisonList list;
    if (std::string error = ReadSavedTable(
            text, {"Name", "cell0", "cell1", "cell2", "cell3", "cell4", "cell5", "cell6"},
            {{"#columns", 2}, {"#header", 1}},
            [&](std::size_t row, std::vector<std::string>& fields) {
                if (row == 0)
                    list.clear();
                return addRow(fields, words, list) ? std::string() : rowError(row);
            },
            table);
        !error.empty())
        return error;
    const std::vector<std::string>& columns = table.extras[0];
    if (columns[0] != AbbreviatePathCaption(pathA) || columns[1] != AbbreviatePathCaption(pathB))
        return "the list compares " + columns[0] + " with " + columns[1] + ", not " +
               AbbreviatePathCaption(pathA) + " with " + AbbreviatePathCaption(pathB);
    const std::string& header = table.extras[1][0];
    std::uint64_t average = 0;
    if (header != words.contentHeader &&
        !(header.ends_with('%') &&
          ReadDecimal(std::string_view(header).substr(0, header.size() - 1), 100, average)))
        return "the content header \"" + header + "\" is not one a comparison shows";

    // The roots as a run over A and B takes them; when either is gone, or they are
    // no longer of one kind, no row can be checked.
    const auto entryA = platform::LookupEntry(pathA);
    const auto entryB = platform::LookupEntry(pathB);
    const bool checkable = entryA && entryB && entryA->isDirectory() == entryB->isDirectory();
    const bool fileMode = checkable && !entryA->isDirectory();
    const std::string rootA = fileMode ? FileComparisonRoot(pathA) : std::string(pathA);
    const std::string rootB = fileMode ? FileComparisonRoot(pathB) : std::string(pathB);
    for (ComparisonRow& row : list.records())
        row.setCheck(checkable ? checkOnDisk(list, row, fileMode, rootA, rootB, words)
                               : DiskCheck::Vanished);
    engine.adoptOpenedList(std::move(list), rootA, rootB, columns[0], columns[1],
                           header == words.contentHeader ? -1 : static_cast<int>(average));
    return {};
}

} // namespace

std::string ReadComparisonTable(std::string_view text, std::string_view pathA,
                                std::string_view pathB, const ComparisonWords& words,
                                ComparisonEngine& engine)
{
    std::string error = ReadWithWords(text, pathA, pathB, words, engine);
    // A list the command-line tool saved, or the program in its own language.
    if (!error.empty() && words.larger != SourceComparisonWords().larger &&
        ReadWithWords(text, pathA, pathB, SourceComparisonWords(), engine).empty())
        error.clear();
    return error;
}

} // namespace quorvex
