#pragma once
// One result record of a folder or file comparison, kept small because a run may hold
// a million: the relation cells are codes, the name is an offset into the names of
// its ComparisonList and the path cell an index into the list's path cells. The
// texts the list shows are built on request (ComparisonList::cell).

#include <cstdint>
#include <string>

#include "common/DiskCheck.h"
#include "compare/ComparisonWords.h"

namespace quorvex {

// Facts of one entry as a walk gathers them. `time` is the local packed date-time in
// folder mode and the local day number in file-against-file mode.
struct EntryFacts
{
    std::int64_t size = 0; // -1 for a folder
    std::int64_t time = 0;
    std::uint32_t attributes = 0;
};

enum class Relation : std::uint8_t
{
    None,
    Greater,
    Smaller,
    Equal
};

// What the content cell (cell 4) shows.
enum class ContentCell : std::uint8_t
{
    Empty,
    Percent,     // the percentage followed by "%" ("-1%" when unreadable)
    NotCompared, // "-----" (folder mode without content comparison)
    NotShown,    // "-------"
};

constexpr int kCellCount = 7;

class ComparisonRow
{
public:
    // A row whose name starts at `nameOffset` in its list's names (followed by B's
    // name when `counterpartName`) and whose path cell is the list's `pathCell`.
    ComparisonRow(std::uint64_t nameOffset, std::uint32_t pathCell, bool counterpartName, bool hasA,
                  bool hasB);

    // Cells 1 to 4 and 6, which the row's own codes give; other cells are empty.
    std::string factCell(int index, const ComparisonWords& words) const;
    bool hasA() const { return hasA_; }
    bool hasB() const { return hasB_; }
    std::uint64_t nameOffset() const { return nameOffset_; }
    std::uint32_t pathCell() const { return pathCell_; }
    bool hasCounterpartName() const { return counterpartName_; }

    // Cells 1 to 3 from the facts of both sides.
    void setRelations(const EntryFacts& a, const EntryFacts& b);
    void setContent(ContentCell cell, int percent);
    int percent() const { return percent_; }
    Relation sizeRelation() const { return size_; }
    Relation timeRelation() const { return time_; }
    // True when both sides' facts were compared and their attributes are the same.
    bool attributesAlike() const { return hasRelations_ && attributesA_ == attributesB_; }
    // The content column after "内容を比較する" is switched: the measured number
    // with "%" (empty without one) when checked, "-------" when unchecked.
    void showContent(bool checked);
    // The entry of side A (or B) was deleted: that side's name becomes missing and the
    // relation cells 1 to 3 become empty.
    void markSideGone(bool sideB);
    // The sides as the disk has them now; a side gone takes the relations with it, as
    // markSideGone says. Relations of two sides come with setRelations.
    void setSides(bool hasA, bool hasB);

    // How a row opened from a saved list stands against the disk.
    DiskCheck check() const { return check_; }
    void setCheck(DiskCheck check) { check_ = check; }

    // Shown with the hidden entry's faded icon: A's entry is hidden.
    bool hidden() const { return hidden_; }
    void setHidden(bool hidden) { hidden_ = hidden; }

    std::int32_t iconIndex = -1;
    std::int32_t overlayIndex = -1;

private:
    std::uint64_t nameOffset_;
    std::uint32_t pathCell_;
    std::uint32_t attributesA_ = 0;
    std::uint32_t attributesB_ = 0;
    bool hidden_ : 1 = false;
    bool hasRelations_ : 1 = false;
    bool hasA_ : 1;
    bool hasB_ : 1;
    bool counterpartName_ : 1;
    Relation size_ : 2 = Relation::None;
    Relation time_ : 2 = Relation::None;
    ContentCell content_ : 2 = ContentCell::Empty;
    DiskCheck check_ : 2 = DiskCheck::AsListed;
    std::int16_t percent_ = -1;
};

} // namespace quorvex
