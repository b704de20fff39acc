// Row shades and the paths behind a row's name cells.
#include "compare/ui/ComparisonListRules.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using quorvex::ComparisonCellPath;
using quorvex::ComparisonRow;
using quorvex::ContentCell;
using quorvex::EntryFacts;
using quorvex::RowShade;

ComparisonRow pairRow(const char* name, EntryFacts a, EntryFacts b, int percent,
                      const char* folder = "")
{
    ComparisonRow row(name, std::make_shared<const std::string>(folder), true, true);
    row.setRelations(a, b);
    row.setContent(percent >= 0 ? ContentCell::Percent : ContentCell::Empty, percent);
    return row;
}

TEST(ComparisonRowShade, FollowsRelationsAndContentComparison)
{
    const EntryFacts file{10, 100, 0x20};
    const ComparisonRow equal = pairRow("a.txt", file, file, 99);
    EXPECT_EQ(ComparisonRowShade(equal, true), RowShade::Normal);
    EXPECT_EQ(ComparisonRowShade(equal, false), RowShade::Match);
    EXPECT_EQ(ComparisonRowShade(pairRow("a.txt", file, file, 100), true), RowShade::Match);

    EXPECT_EQ(ComparisonRowShade(pairRow("a", file, {10, 101, 0x20}, 100), true),
              RowShade::Difference);
    EXPECT_EQ(ComparisonRowShade(pairRow("a", file, {10, 100, 0x22}, 100), false),
              RowShade::Difference);

    const EntryFacts folder{-1, 100, 0x10};
    EXPECT_EQ(ComparisonRowShade(pairRow("sub", folder, folder, -1), true), RowShade::Match);

    // A missing side wins over everything, also for an entry named like the marker.
    ComparisonRow onlyA("なし", std::make_shared<const std::string>(), true, false);
    EXPECT_EQ(ComparisonRowShade(onlyA, false), RowShade::Missing);
    EXPECT_EQ(ComparisonRowShade(pairRow("なし", file, file, 100), true), RowShade::Match);
}

TEST(ComparisonCellPath, BuildsThePathOfTheClickedSide)
{
    const EntryFacts file{1, 1, 0x20};
    const ComparisonRow inSub = pairRow("a.txt", file, file, -1, "sub/");
    EXPECT_EQ(ComparisonCellPath(&inSub, 0, "/x/A", "/x/B/"), "/x/A/sub/a.txt");
    EXPECT_EQ(ComparisonCellPath(&inSub, 1, "/x/A", "/x/B/"), "/x/B/sub/a.txt");
    EXPECT_EQ(ComparisonCellPath(&inSub, -1, "/x/A", "/x/B"), "");
    EXPECT_EQ(ComparisonCellPath(nullptr, 0, "/x/A", "/x/B"), "");

    // A file missing on B names "なし"; a folder row is its own relative path.
    ComparisonRow onlyA("a.txt", std::make_shared<const std::string>("sub/"), true, false);
    EXPECT_EQ(ComparisonCellPath(&onlyA, 1, "/x/A", "/x/B"), "/x/B/sub/なし");
    ComparisonRow folderOnlyB("deep", std::make_shared<const std::string>("sub/deep"), false, true);
    EXPECT_EQ(ComparisonCellPath(&folderOnlyB, 0, "/x/A", "/x/B"), "/x/A/sub/deep");
    EXPECT_EQ(quorvex::IconSide(folderOnlyB), quorvex::Side::B);
    EXPECT_EQ(RowSidePath(folderOnlyB, quorvex::IconSide(folderOnlyB), "/x/A", "/x/B"),
              "/x/B/sub/deep");
}

} // namespace
