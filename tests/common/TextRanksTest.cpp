#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <numeric>
#include <string>
#include <vector>

#include "common/TextRanks.h"
#include "platform/TextOrder.h"

namespace quorvex {
namespace {

using Texts = std::vector<std::string>;

// The order the list promises, by plain comparisons: the system's text order, then
// the bytes, then the row.
std::vector<std::uint32_t> ReferenceOrder(const Texts& texts, bool ascending)
{
    std::vector<std::uint32_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0u);
    const auto textLess = [&](std::uint32_t a, std::uint32_t b) {
        const int byText = platform::CompareText(texts[a].c_str(), texts[b].c_str());
        return byText != 0 ? byText < 0 : texts[a] < texts[b];
    };
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return ascending ? textLess(a, b) : textLess(b, a);
    });
    return order;
}

void ExpectOrdersAgree(const Texts& texts)
{
    const RowText textOf = [&](std::size_t row) -> std::string_view { return texts[row]; };
    for (const bool ascending : {true, false})
        EXPECT_EQ(OrderRowsByText(texts.size(), textOf, ascending),
                  ReferenceOrder(texts, ascending))
            << (ascending ? "ascending" : "descending");
    // Ranks: equal exactly for equal texts, and ordered as the texts.
    const std::vector<std::uint32_t> ranks = RankRowsByText(texts.size(), textOf);
    const std::vector<std::uint32_t> order = ReferenceOrder(texts, true);
    for (std::size_t i = 1; i < order.size(); ++i) {
        const std::uint32_t before = order[i - 1], after = order[i];
        if (texts[before] == texts[after])
            EXPECT_EQ(ranks[before], ranks[after]) << texts[after];
        else
            EXPECT_LT(ranks[before], ranks[after]) << texts[before] << " / " << texts[after];
    }
}

// Keys that agree in their first 16 bytes, are prefixes of each other, repeat, are
// empty, and differ in case and script.
const Texts kMixed = {"file2.txt",
                      "abcdefghijklmnopq",
                      "B",
                      "abcdefghijklmnop",
                      "",
                      "a",
                      "file10.txt",
                      "abcdefghijklmnopq",
                      "abcdefghijklmnoo",
                      "b",
                      "A",
                      "a",
                      "abcdefghijklmnopqrstuvwxyz1",
                      "abcdefghijklmnopqrstuvwxyz0",
                      "ab",
                      "日本語のファイル名",
                      "にほんご",
                      "ニホンゴ",
                      "",
                      "zz"};

// Runs `check` with LC_COLLATE set to `locale`, unless the system lacks it.
template <typename Check> void InLocale(const char* locale, Check check)
{
    const std::string before = std::setlocale(LC_COLLATE, nullptr);
    if (std::setlocale(LC_COLLATE, locale) == nullptr)
        GTEST_SKIP() << "no " << locale << " locale";
    check();
    std::setlocale(LC_COLLATE, before.c_str());
}

TEST(TextRanks, OrdersAndRanksAsTheTextComparisonInByteOrder)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows orders texts by its own rule, whatever the C library's locale";
#endif
    Texts texts = kMixed;
    texts.push_back("\xff\xfe not UTF-8");
    texts.push_back("\x80");
    for (const char* locale : {"C", "C.UTF-8"}) {
        InLocale(locale, [&] {
            EXPECT_TRUE(platform::TextOrderIsByteOrder()) << locale;
            ExpectOrdersAgree(texts);
        });
    }
}

TEST(TextRanks, OrdersAndRanksAsTheTextComparisonOfALanguage)
{
    InLocale("ja_JP.UTF-8", [] {
        EXPECT_FALSE(platform::TextOrderIsByteOrder());
        ExpectOrdersAgree(kMixed);
    });
}

// A long ordering asks the caller after each step (rows keyed, blocks sorted, blocks
// merged), gives the order of one whole sort, and stops when told, at the last step too.
TEST(TextRanks, ALongOrderingGoesInStepsThatTheCallerCanStop)
{
    Texts texts;
    for (unsigned i = 0; i < 150'000; ++i)
        texts.push_back(std::to_string(i * 7919 % 50'000) + (i % 3 == 0 ? "a" : "B"));
    const RowText textOf = [&](std::size_t row) -> std::string_view { return texts[row]; };
    int steps = 0;
    EXPECT_EQ(OrderRowsByText(texts.size(), textOf, false,
                              [&] {
                                  ++steps;
                                  return true;
                              }),
              ReferenceOrder(texts, false));
    EXPECT_GT(steps, 36); // 36 steps of keying, 3 blocks sorted, 2 merges
    int asked = 0;
    EXPECT_TRUE(
        OrderRowsByText(texts.size(), textOf, true, [&] { return ++asked < steps; }).empty());
    EXPECT_EQ(asked, steps);
    EXPECT_TRUE(RankRowsByText(texts.size(), textOf, [] { return false; }).empty());
}

} // namespace
} // namespace quorvex
