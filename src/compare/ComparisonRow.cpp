#include "compare/ComparisonRow.h"

#include "common/Filters.h"

namespace quorvex {

namespace {

Relation relationOf(std::int64_t a, std::int64_t b)
{
    return a > b ? Relation::Greater : a < b ? Relation::Smaller : Relation::Equal;
}

std::string relationText(Relation relation, const char* greater, const char* smaller)
{
    switch (relation) {
    case Relation::Greater:
        return greater;
    case Relation::Smaller:
        return smaller;
    case Relation::Equal:
        return " 同";
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

std::string ComparisonRow::name() const
{
    return hasA_ ? displayName_ : std::string(kMissingSide);
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

std::string ComparisonRow::cell(int index) const
{
    switch (index) {
    case 0:
        if (!hasB_)
            return std::string(kMissingSide);
        return counterpartName_ ? *counterpartName_ : displayName_;
    case 1:
        return relationText(size_, "大-小", "小-大");
    case 2:
        return relationText(time_, "新-旧", "旧-新");
    case 3: {
        if (!hasRelations_)
            return {};
        const std::string lettersA = FormatAttributeText(attributesA_);
        if (attributesA_ == attributesB_)
            return lettersA.empty() ? " 同" : " 同  " + lettersA;
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
