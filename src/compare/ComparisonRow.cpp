#include "compare/ComparisonRow.h"

#include "common/Filters.h"

namespace quorvex {

namespace {

Relation relationOf(std::int64_t a, std::int64_t b)
{
    return a > b ? Relation::Greater : a < b ? Relation::Smaller : Relation::Equal;
}

std::string relationText(Relation relation, const std::string& greater, const std::string& smaller,
                         const std::string& same)
{
    switch (relation) {
    case Relation::Greater:
        return greater;
    case Relation::Smaller:
        return smaller;
    case Relation::Equal:
        return same;
    case Relation::None:
        break;
    }
    return {};
}

} // namespace

ComparisonRow::ComparisonRow(std::uint64_t nameOffset, std::uint32_t pathCell, bool counterpartName,
                             bool hasA, bool hasB)
    : nameOffset_(nameOffset), pathCell_(pathCell), hasA_(hasA), hasB_(hasB),
      counterpartName_(counterpartName)
{
}

void ComparisonRow::setRelations(const EntryFacts& a, const EntryFacts& b)
{
    size_ = a.size < 0 || b.size < 0 ? Relation::None : relationOf(a.size, b.size);
    time_ = relationOf(a.time, b.time);
    attributesA_ = a.attributes;
    attributesB_ = b.attributes;
    hasRelations_ = true;
}

void ComparisonRow::setContent(ContentCell cell, int percent)
{
    content_ = cell;
    percent_ = static_cast<std::int16_t>(percent);
}

void ComparisonRow::showContent(bool checked)
{
    content_ = !checked        ? ContentCell::NotShown
               : percent_ >= 0 ? ContentCell::Percent
                               : ContentCell::Empty;
}

void ComparisonRow::markSideGone(bool sideB)
{
    // Not a conditional on the bit-fields: clang cannot take one as an lvalue.
    if (sideB)
        hasB_ = false;
    else
        hasA_ = false;
    size_ = time_ = Relation::None;
    hasRelations_ = false;
}

void ComparisonRow::setSides(bool hasA, bool hasB)
{
    hasA_ = hasA;
    hasB_ = hasB;
    if (!hasA || !hasB) {
        size_ = time_ = Relation::None;
        hasRelations_ = false;
    }
}

std::string ComparisonRow::factCell(int index, const ComparisonWords& words) const
{
    switch (index) {
    case 1:
        return relationText(size_, words.larger, words.smaller, words.same);
    case 2:
        return relationText(time_, words.newer, words.older, words.same);
    case 3: {
        if (!hasRelations_)
            return {};
        const std::string lettersA = FormatAttributeText(attributesA_);
        if (attributesA_ == attributesB_)
            return lettersA.empty() ? words.same : words.same + "  " + lettersA;
        return lettersA + "-" + FormatAttributeText(attributesB_);
    }
    case 4:
        switch (content_) {
        case ContentCell::Percent:
            return std::to_string(percent_) + "%";
        case ContentCell::NotCompared:
            return "-----";
        case ContentCell::NotShown:
            return "-------";
        case ContentCell::Empty:
            break;
        }
        return {};
    case 6:
        return percent_ >= 0 ? std::to_string(percent_) : std::string();
    default:
        return {};
    }
}

} // namespace quorvex
