#include <sys/stat.h>
#include <sys/xattr.h>

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace quorvex::platform {
namespace {

std::string Content(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

mode_t Mode(const std::string& path)
{
    struct stat status;
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 0777;
}

TEST(FileOperations, CreatingFoldersAndFiles)
{
    test::TempTree t;
    EXPECT_TRUE(CreateFolderWithParents(t.path("a/b/c/")));
    EXPECT_TRUE(IsExistingFolder(t.path("a/b/c")));
    EXPECT_TRUE(CreateFolderWithParents(t.path("a/b"))); // existing is fine
    t.file("blocker", "keep");
    EXPECT_FALSE(CreateFolderWithParents(t.path("blocker/sub")));
    EXPECT_FALSE(CreateFolderWithParents(t.path("blocker")));

    EXPECT_TRUE(CreateEmptyFileExclusive(t.path("a/new")));
    EXPECT_EQ(LookupEntry(t.path("a/new"))->size, 0u);
    EXPECT_FALSE(CreateEmptyFileExclusive(t.path("blocker")));
    EXPECT_EQ(Content(t.path("blocker")), "keep"); // never truncated
    EXPECT_FALSE(CreateEmptyFileExclusive(t.path("a/b")));
}

TEST(FileOperations, PathsLongerThanTheKernelTakesInOneCall)
{
    test::TempTree t;
    std::string deep = t.root();
    for (int level = 0; level < 3000; ++level)
        deep += "d/";
    ASSERT_GT(deep.size(), 4096u);
    ASSERT_TRUE(CreateFolderWithParents(deep));
    EXPECT_TRUE(IsExistingFolder(deep));
    EXPECT_TRUE(CreateEmptyFileExclusive(deep + "leaf.txt"));
    EXPECT_EQ(LookupEntry(deep + "leaf.txt")->attributes, 0x20u);

    std::vector<DirEntry> entries;
    ASSERT_TRUE(ListDirectory(deep, entries));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].name, "leaf.txt");
    InputFile file;
    EXPECT_TRUE(file.open(deep + "leaf.txt"));
    EXPECT_TRUE(DeleteRegularFile(deep + "leaf.txt"));
    EXPECT_TRUE(RemoveEmptyFolder(deep));
    EXPECT_FALSE(IsExistingFolder(deep));
}

TEST(FileOperations, RemovingOnlyWhatTheCallAllows)
{
    test::TempTree t;
    t.file("full/file");
    t.dir("empty");
    EXPECT_FALSE(RemoveEmptyFolder(t.path("full/")));
    EXPECT_TRUE(RemoveEmptyFolder(t.path("empty/")));
    EXPECT_FALSE(IsExistingFolder(t.path("empty")));
    EXPECT_FALSE(DeleteRegularFile(t.path("full")));
    EXPECT_TRUE(DeleteRegularFile(t.path("full/file")));
    EXPECT_FALSE(DeleteRegularFile(t.path("full/file")));
}

TEST(FileOperations, InjectedFailuresOfRemovingAndMovingChangeNothing)
{
    test::TempTree t;
    t.file("busy");
    t.dir("empty");
    t.file("from", "x");
    SetFaultHook([](FaultPoint point, std::string_view) {
        return point == FaultPoint::Remove || point == FaultPoint::Rename;
    });
    EXPECT_FALSE(DeleteRegularFile(t.path("busy")));
    EXPECT_FALSE(RemoveEmptyFolder(t.path("empty")));
    EXPECT_FALSE(MoveEntry(t.path("from"), t.path("to")));
    SetFaultHook(nullptr);
    EXPECT_TRUE(IsExistingFile(t.path("busy")));
    EXPECT_TRUE(IsExistingFolder(t.path("empty")));
    EXPECT_EQ(Content(t.path("from")), "x");
    EXPECT_FALSE(LookupEntry(t.path("to")));
}

TEST(FileOperations, MovingNeverReplaces)
{
    test::TempTree t;
    t.file("from", "new");
    t.file("occupied", "old");
    EXPECT_FALSE(MoveEntry(t.path("from"), t.path("occupied")));
    EXPECT_EQ(Content(t.path("occupied")), "old");
    EXPECT_TRUE(MoveEntry(t.path("from"), t.path("dir-to-be")));
    EXPECT_EQ(Content(t.path("dir-to-be")), "new");
    EXPECT_FALSE(MoveEntry(t.path("from"), t.path("again")));
}

TEST(FileOperations, SettingAttributeWords)
{
    test::TempTree t;
    t.file("f");
    ::chmod(t.path("f").c_str(), 0664);
    EXPECT_TRUE(SetAttributes(t.path("f"), kAttrReadOnly | kAttrHidden | kAttrArchive));
    EXPECT_EQ(Mode(t.path("f")), 0444u);
    EXPECT_EQ(GetAttributes(t.path("f")), 0x23u);

    const mode_t oldMask = ::umask(027);
    EXPECT_TRUE(SetAttributes(t.path("f"), kAttrNormal));
    ::umask(oldMask);
    EXPECT_EQ(Mode(t.path("f")), 0644u); // write bits within the umask's limits
    EXPECT_EQ(GetAttributes(t.path("f")), 0x80u);

    t.dir("d");
    EXPECT_TRUE(SetAttributes(t.path("d"), kAttrDirectory | kAttrSystem | kAttrTemporary));
    EXPECT_EQ(GetAttributes(t.path("d")), 0x114u);
    EXPECT_FALSE(SetAttributes(t.path("missing"), kAttrNormal));
}

} // namespace
} // namespace quorvex::platform
