// Row shades, the paths behind a row's name cells, what a deletion takes and marks.
#include "compare/ui/ComparisonListRules.h"

#include "support/SystemText.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using quorvex::ComparisonCellPath;
using quorvex::ComparisonRow;
using quorvex::ContentCell;
using quorvex::EntryFacts;
using quorvex::RowShade;
using quorvex::test::Native;

const quorvex::ComparisonWords kWords{"L-S", "S-L", "N-O", "O-N", " Same", "none", "Content"};

ComparisonRow pairRow(const char* name, EntryFacts a, EntryFacts b, int percent,
                      const std::string& folder = "")
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

    // An emptied file scores 0 against its old content and is a difference.
    EXPECT_EQ(ComparisonRowShade(pairRow("f", {0, 100, 0x20}, file, 0), true),
              RowShade::Difference);

    const EntryFacts folder{-1, 100, 0x10};
    EXPECT_EQ(ComparisonRowShade(pairRow("sub", folder, folder, -1), true), RowShade::Match);

    // A missing side wins over everything, also for an entry named like the marker.
    ComparisonRow onlyA("none", std::make_shared<const std::string>(), true, false);
    EXPECT_EQ(ComparisonRowShade(onlyA, false), RowShade::Missing);
    EXPECT_EQ(ComparisonRowShade(pairRow("none", file, file, 100), true), RowShade::Match);
}

TEST(ComparisonCellPath, BuildsThePathOfTheClickedSide)
{
    const EntryFacts file{1, 1, 0x20};
    const ComparisonRow inSub = pairRow("a.txt", file, file, -1, Native("sub/"));
    EXPECT_EQ(ComparisonCellPath(&inSub, 0, Native("/x/A"), Native("/x/B/"), kWords),
              Native("/x/A/sub/a.txt"));
    EXPECT_EQ(ComparisonCellPath(&inSub, 1, Native("/x/A"), Native("/x/B/"), kWords),
              Native("/x/B/sub/a.txt"));
    EXPECT_EQ(ComparisonCellPath(&inSub, -1, Native("/x/A"), Native("/x/B"), kWords), "");
    EXPECT_EQ(ComparisonCellPath(nullptr, 0, Native("/x/A"), Native("/x/B"), kWords), "");

    // A file missing on B is named by the missing word; a folder row is its own relative path.
    ComparisonRow onlyA("a.txt", std::make_shared<const std::string>(Native("sub/")), true, false);
    EXPECT_EQ(ComparisonCellPath(&onlyA, 1, Native("/x/A"), Native("/x/B"), kWords),
              Native("/x/B/sub/none"));
    ComparisonRow folderOnlyB("deep", std::make_shared<const std::string>(Native("sub/deep")),
                              false, true);
    EXPECT_EQ(ComparisonCellPath(&folderOnlyB, 0, Native("/x/A"), Native("/x/B"), kWords),
              Native("/x/A/sub/deep"));
    EXPECT_EQ(quorvex::IconSide(folderOnlyB), quorvex::Side::B);
    EXPECT_EQ(
        RowSidePath(folderOnlyB, quorvex::IconSide(folderOnlyB), Native("/x/A"), Native("/x/B")),
        Native("/x/B/sub/deep"));
}

} // namespace

TEST(ComparisonTrashItem, OnlyAnItemTheRowHasAndTheDiskStillHolds)
{
    quorvex::test::TempTree tree;
    // A real file named like the missing-side marker must not stand in for B's file.
    tree.file("A/d/なし", "x");
    tree.file("A/d/kept.txt", "x");
    tree.dir("A/sub");
    const std::string rootA = tree.path("A"), rootB = tree.path("B");
    const auto cell = [](const std::string& text) {
        return std::make_shared<const std::string>(text);
    };
    const ComparisonRow onlyB("gone.txt", cell(Native("d/")), false, true);
    const ComparisonRow kept("kept.txt", cell(Native("d/")), true, false);
    const ComparisonRow vanished("vanished.txt", cell(Native("d/")), true, true);
    const ComparisonRow folder("sub", cell("sub"), true, false);

    EXPECT_EQ(quorvex::ComparisonItemPath(&onlyB, 0, rootA, rootB), "");
    EXPECT_FALSE(quorvex::ComparisonTrashItem(&onlyB, 0, rootA, rootB));
    const auto file = quorvex::ComparisonTrashItem(&kept, 0, rootA, rootB);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->path, tree.path("A/d/kept.txt"));
    EXPECT_FALSE(file->folder);
    EXPECT_FALSE(quorvex::ComparisonTrashItem(&kept, -1, rootA, rootB));
    EXPECT_FALSE(quorvex::ComparisonTrashItem(&vanished, 0, rootA, rootB));
    const auto sub = quorvex::ComparisonTrashItem(&folder, 0, rootA, rootB);
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->path, tree.path("A/sub"));
    EXPECT_TRUE(sub->folder);
}

TEST(MarkDeletedOnSide, EmptiesTheRelationsAndReachesBelowDeletedFolders)
{
    const auto cell = [](const std::string& text) {
        return std::make_shared<const std::string>(text);
    };
    const EntryFacts file{1, 1, 0x20}, dir{-1, 1, 0x10};
    std::vector<ComparisonRow> rows;
    rows.push_back(pairRow("top.txt", file, file, -1));
    rows.push_back(pairRow("sub", dir, dir, -1, "sub"));
    rows.push_back(pairRow("in.txt", file, file, -1, "sub/"));
    rows.push_back(pairRow("deep", dir, dir, -1, "sub/deep"));
    rows.push_back(pairRow("other", dir, dir, -1, "subway"));
    rows.push_back(ComparisonRow("b-only.txt", cell(""), false, true));

    quorvex::MarkDeletedOnSide(rows, {1}, quorvex::Side::B);
    EXPECT_EQ(rows[0].cell(0, kWords), "top.txt");
    for (int index : {1, 2, 3}) {
        EXPECT_EQ(rows[index].cell(0, kWords), "none") << index;
        EXPECT_EQ(rows[index].name(kWords), rows[index].displayName()) << index;
        EXPECT_EQ(rows[index].cell(2, kWords) + rows[index].cell(3, kWords), "") << index;
    }
    EXPECT_EQ(rows[4].cell(0, kWords), "other");

    // A row already missing the side keeps its marker and loses only the relations.
    quorvex::MarkDeletedOnSide(rows, {5, 0}, quorvex::Side::A);
    EXPECT_EQ(rows[5].name(kWords), "none");
    EXPECT_EQ(rows[5].cell(0, kWords), "b-only.txt");
    EXPECT_EQ(rows[0].name(kWords), "none");
    EXPECT_EQ(rows[0].cell(1, kWords), "");
}
