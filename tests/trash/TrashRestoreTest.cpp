#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/SystemText.h"
#include "support/TempTree.h"
#include "trash/TrashRestore.h"

namespace quorvex {
namespace {

using platform::kAttrArchive;
using platform::kAttrHidden;
using platform::kAttrReadOnly;
using test::TempTree;

std::uint32_t Attributes(const std::string& path)
{
    return platform::GetAttributes(path).value_or(0xFFFFFFFFu);
}

TEST(RestoreTrashEntry, FolderIsMadeWithItsParentsAndAnExistingFolderCounts)
{
    TempTree t;
    TrashList trash;
    const std::string folder = t.path("a/b/c/");
    trash.add(folder, 16);
    EXPECT_EQ(RestoreTrashEntry(trash, folder).result, RestoreResult::Restored);
    EXPECT_TRUE(platform::IsExistingFolder(folder));
    EXPECT_EQ(RestoreTrashEntry(trash, folder).result, RestoreResult::Restored);

    t.file("blocker", "x");
    trash.add(t.path("blocker/sub/"), 16);
    const RestoreOutcome outcome = RestoreTrashEntry(trash, t.path("blocker/sub/"));
    EXPECT_EQ(outcome.result, RestoreResult::Failed);

    // Carried over from the other system: never made below the current folder.
    trash.add(test::kForeignFolderPath, 16);
    EXPECT_EQ(RestoreTrashEntry(trash, test::kForeignFolderPath).result, RestoreResult::Failed);
    EXPECT_FALSE(platform::LookupEntry(test::kForeignFolderPath));
}

TEST(RestoreTrashEntry, FileComesBackEmptyWithItsFoldersAndAttributes)
{
    TempTree t;
    TrashList trash;
    const std::string file = t.path("gone/deeper/.hidden-file");
    const std::string readOnly = t.path("gone/locked");
    trash.add(file, kAttrHidden | kAttrArchive);
    trash.add(readOnly, kAttrReadOnly | kAttrArchive);
    trash.add(t.path("unknown"), -1); // attributes that could not be read are not applied
    for (const std::string& path : {file, readOnly, t.path("unknown")})
        EXPECT_EQ(RestoreTrashEntry(trash, path).result, RestoreResult::Restored);
    EXPECT_EQ(platform::ReadWholeFile(file), "");
    EXPECT_EQ(Attributes(file), kAttrHidden | kAttrArchive);
    EXPECT_EQ(Attributes(readOnly), kAttrReadOnly | kAttrArchive);
    EXPECT_EQ(Attributes(t.path("unknown")), kAttrArchive);
}

TEST(RestoreTrashEntry, ExistingFileIsNeverTruncatedNorChanged)
{
    TempTree t;
    const std::string file = t.file("note.txt", "keep me");
    TrashList trash;
    trash.add(file, kAttrReadOnly | kAttrArchive);
    const RestoreOutcome outcome = RestoreTrashEntry(trash, file);
    EXPECT_EQ(outcome.result, RestoreResult::Failed);
    EXPECT_EQ(platform::ReadWholeFile(file), "keep me");
    EXPECT_EQ(Attributes(file), kAttrArchive);
}

} // namespace
} // namespace quorvex
