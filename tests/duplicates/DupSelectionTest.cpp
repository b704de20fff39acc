// The selection helpers of the duplicate list on hand-made results: which rows each
// picks, ties in time, groups spread over the list by a sort, a group left with one
// row after deletions, and the rule that one row of every group stays unselected.
#include <gtest/gtest.h>

#include "DupTestSupport.h"
#include "duplicates/DupSelection.h"
#include "support/TempTree.h"

using namespace quorvex;
using quorvex::test::MakeList;
using Rows = std::vector<std::size_t>;

namespace {

using quorvex::test::interleaved;

constexpr std::int16_t R = kContentReference;

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

    const DupList allSame = MakeList(
        {{"a", R, 3, 10, "/d/", 50}, {"b", 90, 3, 10, "/d/", 50}, {"c", 90, 3, 10, "/d/", 50}});
    EXPECT_EQ(SelectAllButNewest(allSame), (Rows{1, 2}));
    EXPECT_EQ(SelectAllButOldest(allSame), (Rows{1, 2}));
}

// A record keeps whole seconds; files whose times differ within one second are told
// apart by their times on the disk.
TEST(DupSelection, TimesWithinOneSecondAreToldApartByTheFilesOnTheDisk)
{
    test::TempTree t;
    const std::int64_t second = 1'700'000'000;
    const auto fileAt = [&](const char* name, long nanoseconds) {
        t.file(name, "same");
        t.setTimeAt(name, second, nanoseconds);
    };
    fileAt("a", 100);
    fileAt("b", 900'000'000);
    fileAt("c", 500);
    const std::string& folder = t.root();
    const DupList list = MakeList({{"a", R, 1, 4, folder.c_str(), second},
                                   {"b", 100, 1, 4, folder.c_str(), second},
                                   {"c", 100, 1, 4, folder.c_str(), second}});
    EXPECT_EQ(SelectAllButNewest(list), (Rows{0, 2}));
    EXPECT_EQ(SelectAllButOldest(list), (Rows{1, 2}));
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
    const DupList list = MakeList({
        {"b", 100, 1, 10, "/x/", 10},
        {"c", 100, 1, 10, "/x/", 20},
        {"d", 95, 2, 10, "/x/", 30},
        {"e", R, 4, 10, "/x/", 40},
    });
    // Group 1's first row stays; the single rows of groups 2 and 4 stay.
    EXPECT_EQ(SelectAllButReference(list), (Rows{1}));
    EXPECT_EQ(SelectDuplicatesInFolder(list, "/x/"), (Rows{1}));
    EXPECT_EQ(SelectAllButNewest(list), (Rows{0}));
    EXPECT_EQ(SelectAllButOldest(list), (Rows{1}));
}

TEST(DupSelection, RowsWithoutAGroupAreNeverSelected)
{
    const DupList identical = MakeList({{"a", 100, 0, 10, "/x/", 1}, {"b", 90, 0, 10, "/x/", 2}});
    EXPECT_EQ(SelectAllButReference(identical), Rows{});
    EXPECT_EQ(SelectAllButNewest(identical), Rows{});
    EXPECT_EQ(SelectDuplicatesInFolder(identical, "/x/"), Rows{});
}
