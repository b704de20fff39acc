// Row shades, the paths behind a row's name cells, what a deletion takes and marks.
#include "compare/ui/ComparisonListRules.h"

#include "support/SystemText.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace {

using quorvex::ComparisonCellPath;
using quorvex::ComparisonList;
using quorvex::ComparisonRow;
using quorvex::ContentCell;
using quorvex::EntryFacts;
using quorvex::RowShade;
using quorvex::test::Native;

const quorvex::ComparisonWords kWords{"L-S", "S-L", "N-O", "O-N", " Same", "none", "Content"};

// A row added to `rows` with the path cell `folder` and whether each side has it.
ComparisonRow& sideRow(ComparisonList& rows, const char* name, const std::string& folder, bool hasA,
                       bool hasB)
{
    return rows.add(name, rows.addPathCell(folder), hasA, hasB);
}

ComparisonRow& pairRow(ComparisonList& rows, const char* name, EntryFacts a, EntryFacts b,
                       int percent, const std::string& folder = "")
{
    ComparisonRow& row = sideRow(rows, name, folder, true, true);
    row.setRelations(a, b);
    row.setContent(percent >= 0 ? ContentCell::Percent : ContentCell::Empty, percent);
    return row;
}

TEST(ComparisonRowShade, FollowsRelationsAndContentComparison)
{
    ComparisonList rows;
    const EntryFacts file{10, 100, 0x20};
    const ComparisonRow equal = pairRow(rows, "a.txt", file, file, 99);
    EXPECT_EQ(ComparisonRowShade(equal, true), RowShade::Normal);
    EXPECT_EQ(ComparisonRowShade(equal, false), RowShade::Match);
    EXPECT_EQ(ComparisonRowShade(pairRow(rows, "a.txt", file, file, 100), true), RowShade::Match);

    EXPECT_EQ(ComparisonRowShade(pairRow(rows, "a", file, {10, 101, 0x20}, 100), true),
              RowShade::Difference);
    EXPECT_EQ(ComparisonRowShade(pairRow(rows, "a", file, {10, 100, 0x22}, 100), false),
              RowShade::Difference);

    // An emptied file scores 0 against its old content and is a difference.
    EXPECT_EQ(ComparisonRowShade(pairRow(rows, "f", {0, 100, 0x20}, file, 0), true),
              RowShade::Difference);

    const EntryFacts folder{-1, 100, 0x10};
    EXPECT_EQ(ComparisonRowShade(pairRow(rows, "sub", folder, folder, -1), true), RowShade::Match);

    // A missing side wins over everything, also for an entry named like the marker.
    EXPECT_EQ(ComparisonRowShade(sideRow(rows, "none", "", true, false), false), RowShade::Missing);
    EXPECT_EQ(ComparisonRowShade(pairRow(rows, "none", file, file, 100), true), RowShade::Match);
}

TEST(ComparisonCellPath, BuildsThePathOfTheClickedSide)
{
    ComparisonList rows;
    rows.reserve(8, 128); // the rows stay where they are while pointed at
    const EntryFacts file{1, 1, 0x20};
    const ComparisonRow* inSub = &pairRow(rows, "a.txt", file, file, -1, Native("sub/"));
    EXPECT_EQ(ComparisonCellPath(rows, inSub, 0, Native("/x/A"), Native("/x/B/"), kWords),
              Native("/x/A/sub/a.txt"));
    EXPECT_EQ(ComparisonCellPath(rows, inSub, 1, Native("/x/A"), Native("/x/B/"), kWords),
              Native("/x/B/sub/a.txt"));
    EXPECT_EQ(ComparisonCellPath(rows, inSub, -1, Native("/x/A"), Native("/x/B"), kWords), "");
    EXPECT_EQ(ComparisonCellPath(rows, nullptr, 0, Native("/x/A"), Native("/x/B"), kWords), "");

    // A file missing on B is named by the missing word; a folder row is its own relative path.
    const ComparisonRow* onlyA = &sideRow(rows, "a.txt", Native("sub/"), true, false);
    EXPECT_EQ(ComparisonCellPath(rows, onlyA, 1, Native("/x/A"), Native("/x/B"), kWords),
              Native("/x/B/sub/none"));
    const ComparisonRow* folderOnlyB = &sideRow(rows, "deep", Native("sub/deep"), false, true);
    EXPECT_EQ(ComparisonCellPath(rows, folderOnlyB, 0, Native("/x/A"), Native("/x/B"), kWords),
              Native("/x/A/sub/deep"));
    EXPECT_EQ(quorvex::IconSide(*folderOnlyB), quorvex::Side::B);
    EXPECT_EQ(RowSidePath(rows, *folderOnlyB, quorvex::IconSide(*folderOnlyB), Native("/x/A"),
                          Native("/x/B")),
              Native("/x/B/sub/deep"));

    // B's own name where the two files compared have different names.
    const ComparisonRow* renamed =
        &rows.add("old.txt", rows.addPathCell(""), true, true, "new.txt");
    EXPECT_EQ(ComparisonCellPath(rows, renamed, 1, Native("/x/A"), Native("/x/B"), kWords),
              Native("/x/B/new.txt"));
    EXPECT_EQ(RowSidePath(rows, *renamed, quorvex::Side::A, Native("/x/A"), Native("/x/B")),
              Native("/x/A/old.txt"));
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
    ComparisonList rows;
    rows.reserve(4, 64); // the rows stay where they are while pointed at
    const ComparisonRow* onlyB = &sideRow(rows, "gone.txt", Native("d/"), false, true);
    const ComparisonRow* kept = &sideRow(rows, "kept.txt", Native("d/"), true, false);
    const ComparisonRow* vanished = &sideRow(rows, "vanished.txt", Native("d/"), true, true);
    const ComparisonRow* folder = &sideRow(rows, "sub", "sub", true, false);

    EXPECT_EQ(quorvex::ComparisonItemPath(rows, onlyB, 0, rootA, rootB), "");
    EXPECT_FALSE(quorvex::ComparisonTrashItem(rows, onlyB, 0, rootA, rootB));
    const auto file = quorvex::ComparisonTrashItem(rows, kept, 0, rootA, rootB);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->path, tree.path("A/d/kept.txt"));
    EXPECT_FALSE(file->folder);
    EXPECT_FALSE(quorvex::ComparisonTrashItem(rows, kept, -1, rootA, rootB));
    EXPECT_FALSE(quorvex::ComparisonTrashItem(rows, vanished, 0, rootA, rootB));
    const auto sub = quorvex::ComparisonTrashItem(rows, folder, 0, rootA, rootB);
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->path, tree.path("A/sub"));
    EXPECT_TRUE(sub->folder);
}

TEST(MarkDeletedOnSide, EmptiesTheRelationsAndReachesBelowDeletedFolders)
{
    const EntryFacts file{1, 1, 0x20}, dir{-1, 1, 0x10};
    ComparisonList rows;
    pairRow(rows, "top.txt", file, file, -1);
    pairRow(rows, "sub", dir, dir, -1, "sub");
    pairRow(rows, "in.txt", file, file, -1, "sub/");
    pairRow(rows, "deep", dir, dir, -1, "sub/deep");
    pairRow(rows, "other", dir, dir, -1, "subway");
    sideRow(rows, "b-only.txt", "", false, true);
    const auto cell = [&rows](std::size_t row, int index) {
        return rows.cell(rows[row], index, kWords);
    };

    quorvex::MarkDeletedOnSide(rows, {1}, quorvex::Side::B);
    EXPECT_EQ(cell(0, 0), "top.txt");
    for (int index : {1, 2, 3}) {
        EXPECT_EQ(cell(index, 0), "none") << index;
        EXPECT_EQ(rows.name(rows[index], kWords), rows.displayName(rows[index])) << index;
        EXPECT_EQ(cell(index, 2) + cell(index, 3), "") << index;
    }
    EXPECT_EQ(cell(4, 0), "other");

    // A row already missing the side keeps its marker and loses only the relations.
    quorvex::MarkDeletedOnSide(rows, {5, 0}, quorvex::Side::A);
    EXPECT_EQ(rows.name(rows[5], kWords), "none");
    EXPECT_EQ(cell(5, 0), "b-only.txt");
    EXPECT_EQ(rows.name(rows[0], kWords), "none");
    EXPECT_EQ(cell(0, 1), "");
}
