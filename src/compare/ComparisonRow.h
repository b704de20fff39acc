#pragma once
// One result record of a folder or file comparison, stored compactly: the relation
// cells are codes and the path cell is shared by all files of one folder. The texts
// the list shows are built on request by index.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

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
    ComparisonRow(std::string displayName, std::shared_ptr<const std::string> pathCell, bool hasA,
                  bool hasB);

    // Name: the display name, or the missing word when A lacks the entry.
    std::string name(const ComparisonWords& words) const;
    // Cells 0..6 (cell 5 is the path cell, cell 6 the plain percentage).
    std::string cell(int index, const ComparisonWords& words) const;
    // The entry's name on side A or B, whether or not that side has it.
    const std::string& sideName(bool sideB) const;
    const std::string& displayName() const { return displayName_; }
    const std::string& pathCell() const { return *pathCell_; }
    bool hasA() const { return hasA_; }
    bool hasB() const { return hasB_; }

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
    // Cell 0 when B's entry has another name (file-against-file mode).
    void setCounterpartName(std::string name);
    // The entry of side A (or B) was deleted: that side's name becomes missing and the
    // relation cells 1 to 3 become empty.
    void markSideGone(bool sideB);

    bool hidden = false;
    std::int32_t iconIndex = -1;
    std::int32_t overlayIndex = -1;

private:
    std::string displayName_;
    std::shared_ptr<const std::string> pathCell_;
    std::unique_ptr<std::string> counterpartName_; // null: the display name
    std::uint32_t attributesA_ = 0;
    std::uint32_t attributesB_ = 0;
    std::int16_t percent_ = -1;
    Relation size_ = Relation::None;
    Relation time_ = Relation::None;
    bool hasRelations_ = false;
    ContentCell content_ = ContentCell::Empty;
    bool hasA_;
    bool hasB_;
};

} // namespace quorvex
