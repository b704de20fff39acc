#pragma once
// The words of the comparison list's cells and content header, in the caller's
// language: the command-line tool has a fixed table, the desktop its catalogue.

#include <string>

namespace quorvex {

struct ComparisonWords
{
    std::string larger;        // A's size is larger: "大-小"
    std::string smaller;       // "小-大"
    std::string newer;         // A's time is newer: "新-旧"
    std::string older;         // "旧-新"
    std::string same;          // size, time or attributes alike: " 同"
    std::string missing;       // the name of a side that lacks the entry: "なし"
    std::string contentHeader; // the content column before a content comparison: "内容(%)"
};

// The words in the program's own language, which the command-line tool always writes.
inline const ComparisonWords& SourceComparisonWords()
{
    static const ComparisonWords words{"大-小", "小-大", "新-旧",  "旧-新",
                                       " 同",   "なし",  "内容(%)"};
    return words;
}

} // namespace quorvex
