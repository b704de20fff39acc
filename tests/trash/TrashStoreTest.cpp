#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/PathText.h"
#include "platform/TextFile.h"
#include "support/TempTree.h"
#include "trash/TrashStore.h"

namespace quorvex {
namespace {

using test::TempTree;

TEST(TrashEntryNames, OnlyATrailingSeparatorMakesAFolderEntry)
{
    EXPECT_TRUE(IsFolderEntryPath("/a/b/"));
    EXPECT_FALSE(IsFolderEntryPath("/a/表"));
    EXPECT_FALSE(IsFolderEntryPath(""));
    EXPECT_EQ(platform::WithTrailingSeparator(""), "");
    EXPECT_EQ(platform::WithTrailingSeparator("/a/b/"), "/a/b/");
    EXPECT_EQ(TrashEntryDisplayName("/a/b/"), "b");
}

TEST(TrashEntryParts, DecimalValuesAfterTheLastEqualsSign)
{
    EXPECT_EQ(MakeTrashEntry("/a=b/c=d.txt", 32), "/a=b/c=d.txt=32");
    EXPECT_EQ(SplitTrashEntry("/x/=-1").attributes, -1);
    for (const char* damaged : {"/x/", "/x=", "/x=abc", "/x=12abc", "/x= 12", "/x=99999999999"}) {
        EXPECT_FALSE(SplitTrashEntry(damaged).attributes.has_value()) << damaged;
    }
    EXPECT_EQ(SplitTrashEntry("/no-equals").name, "/no-equals");
    EXPECT_EQ(SplitTrashEntry("/x=abc").valueText, "abc");
}

TEST(TrashList, LookupPrefersTheExactNameAndRemoveTakesTheFirstExactEntry)
{
    TrashList trash;
    trash.add("/a/B", 33);
    trash.add("/a/b", 32);
    trash.add("/a/b", 34);
    trash.add("/only/Upper", 2);
    EXPECT_EQ(*trash.lookup("/a/b"), "/a/b=32");
    EXPECT_EQ(*trash.lookup("/only/upper"), "/only/Upper=2");
    EXPECT_EQ(trash.lookup("/missing"), nullptr);

    trash.RemoveTrashEntry("/a/b");
    trash.RemoveTrashEntry("/only/upper"); // letter case counts here
    trash.RemoveTrashEntry("/missing");
    EXPECT_EQ(trash.entries(), (std::vector<TrashEntry>{"/a/B=33", "/a/b=34", "/only/Upper=2"}));
    EXPECT_EQ(trash.entryPaths(), (std::vector<std::string>{"/a/B", "/a/b", "/only/Upper"}));
}

TEST(TrashFile, SavesEachEntryWithCrLfAndAnEmptyListAsAnEmptyFile)
{
    TempTree t;
    const std::string file = TrashListPath(t.root());
    TrashList trash;
    trash.add("/srv/old/empty/", 16);
    trash.add("/srv/old/note.txt", 33);
    ASSERT_TRUE(SaveTrashList(trash, file));
    EXPECT_EQ(platform::ReadWholeFile(file), "/srv/old/empty/=16\r\n/srv/old/note.txt=33\r\n");

    ASSERT_TRUE(SaveTrashList(TrashList{}, file));
    EXPECT_EQ(platform::ReadWholeFile(file), "");
}

TEST(TrashFile, LoadReplacesTheListAndAMissingFileLeavesIt)
{
    TempTree t;
    TrashList trash;
    trash.add("/kept", 32);
    EXPECT_EQ(LoadTrashList(trash, t.path("gomi.txt")), platform::StateFileRead::Missing);
    EXPECT_EQ(trash.size(), 1u);

    t.file("gomi.txt", "/a/=16\r\n/b=32\r/c=32\n\n/d=eq=uals/=16");
    ASSERT_EQ(LoadTrashList(trash, t.path("gomi.txt")), platform::StateFileRead::Whole);
    EXPECT_EQ(trash.entries(),
              (std::vector<TrashEntry>{"/a/=16", "/b=32", "/c=32", "", "/d=eq=uals/=16"}));
}

} // namespace
} // namespace quorvex
