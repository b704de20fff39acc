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

ComparisonRow::ComparisonRow(std::string displayName, std::shared_ptr<const std::string> pathCell,
                             bool hasA, bool hasB)
    : displayName_(std::move(displayName)), pathCell_(std::move(pathCell)), hasA_(hasA), hasB_(hasB)
{
}

std::string ComparisonRow::name(const ComparisonWords& words) const
{
    return hasA_ ? displayName_ : words.missing;
}

const std::string& ComparisonRow::sideName(bool sideB) const
{
    return sideB && counterpartName_ ? *counterpartName_ : displayName_;
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

void ComparisonRow::setCounterpartName(std::string name)
{
    if (name != displayName_)
        counterpartName_ = std::make_unique<std::string>(std::move(name));
}

void ComparisonRow::markSideGone(bool sideB)
{
    (sideB ? hasB_ : hasA_) = false;
    size_ = time_ = Relation::None;
    hasRelations_ = false;
}

std::string ComparisonRow::cell(int index, const ComparisonWords& words) const
{
    switch (index) {
    case 0:
        return hasB_ ? sideName(true) : words.missing;
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
    case 5:
        return *pathCell_;
    case 6:
        return percent_ >= 0 ? std::to_string(percent_) : std::string();
    default:
        return {};
    }
}

} // namespace quorvex
