// The selection helpers of the duplicate list on hand-made results: which rows each
// picks, ties in time, groups spread over the list by a sort, a group left with one
// row after deletions, and the rule that one row of every group stays unselected.
#include <gtest/gtest.h>

#include "duplicates/DupSelection.h"

using namespace quorvex;
using Rows = std::vector<std::size_t>;

namespace {

struct Row
{
    const char* folder;
    const char* name;
    std::uint32_t group;
    std::int16_t content; // kContentReference or a percentage
    std::int64_t time;
};

DupList makeList(std::initializer_list<Row> rows)
{
    DupList list;
    for (const Row& row : rows) {
        list.enterFolder(row.folder);
        platform::DirEntry entry;
        entry.name = row.name;
        entry.size = 10;
        entry.lastWrite.seconds = row.time;
        TDupRecord& record = list.add(entry);
        record.group = row.group;
        record.content = row.content;
    }
    return list;
}

constexpr std::int16_t R = kContentReference;

// Group 1: a reference and two copies, the copies of the same time; group 7: a
// reference and one copy, sorted apart so that the groups interleave.
DupList interleaved()
{
    return makeList({
        {"/d/", "a", 1, R, 300},       // 0
        {"/d/keep/", "p", 7, R, 100},  // 1
        {"/d/sub/", "b", 1, 100, 500}, // 2
        {"/d/", "q", 7, 100, 900},     // 3
        {"/d/sub/", "c", 1, 100, 500}, // 4
    });
}

} // namespace

TEST(DupSelection, AllButTheReferenceOfEveryGroup)
{
    EXPECT_EQ(SelectAllButReference(interleaved()), (Rows{2, 3, 4}));
}

TEST(DupSelection, NewestOrOldestKeptWithTiesKeepingTheEarlierRow)
{
    const DupList list = interleaved();
    // Group 1: rows 2 and 4 share the newest time; row 2 stays.
    EXPECT_EQ(SelectAllButNewest(list), (Rows{0, 1, 4}));
    EXPECT_EQ(SelectAllButOldest(list), (Rows{2, 3, 4}));

    const DupList allSame =
        makeList({{"/d/", "a", 3, R, 50}, {"/d/", "b", 3, 90, 50}, {"/d/", "c", 3, 90, 50}});
    EXPECT_EQ(SelectAllButNewest(allSame), (Rows{1, 2}));
    EXPECT_EQ(SelectAllButOldest(allSame), (Rows{1, 2}));
}

TEST(DupSelection, FolderHelperTakesTheFolderAndBelowButNoReference)
{
    const DupList list = interleaved();
    EXPECT_EQ(SelectDuplicatesInFolder(list, "/d/sub/"), (Rows{2, 4}));
    EXPECT_EQ(SelectDuplicatesInFolder(list, "/d/keep/"), Rows{});
    // "/d/" holds everything: the references stay, so every group keeps a copy.
    EXPECT_EQ(SelectDuplicatesInFolder(list, "/d/"), (Rows{2, 3, 4}));
    // A folder whose name only begins like another is not below it.
    EXPECT_EQ(SelectDuplicatesInFolder(list, "/d/su/"), Rows{});
}

TEST(DupSelection, NeverEveryRowOfAGroup)
{
    // After deletions: group 1 lost its reference, group 2 has one copy left,
    // group 4 one reference left.
    const DupList list = makeList({
        {"/x/", "b", 1, 100, 10},
        {"/x/", "c", 1, 100, 20},
        {"/x/", "d", 2, 95, 30},
        {"/x/", "e", 4, R, 40},
    });
    // Group 1's first row stays; the single rows of groups 2 and 4 stay.
    EXPECT_EQ(SelectAllButReference(list), (Rows{1}));
    EXPECT_EQ(SelectDuplicatesInFolder(list, "/x/"), (Rows{1}));
    EXPECT_EQ(SelectAllButNewest(list), (Rows{0}));
    EXPECT_EQ(SelectAllButOldest(list), (Rows{1}));
}

TEST(DupSelection, RowsWithoutAGroupAreNeverSelected)
{
    const DupList identical = makeList({{"/x/", "a", 0, 100, 1}, {"/x/", "b", 0, 90, 2}});
    EXPECT_EQ(SelectAllButReference(identical), Rows{});
    EXPECT_EQ(SelectAllButNewest(identical), Rows{});
    EXPECT_EQ(SelectDuplicatesInFolder(identical, "/x/"), Rows{});
}
