#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "empty/EmptyItemSearch.h"
#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

using test::TempTree;

// Stops the walk once it has processed messages `limit` times.
class StopAfter : public RunObserver
{
public:
    explicit StopAfter(std::size_t limit) : limit_(limit) {}
    void pumpMessages() override { ++pumps_; }
    bool cancelRequested() const override { return pumps_ >= limit_; }
    std::size_t pumps() const { return pumps_; }

private:
    std::size_t limit_;
    std::size_t pumps_ = 0;
};

struct Found
{
    std::string name, attributes, path;
    bool operator==(const Found&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Found& f)
{
    return out << "{" << f.name << ", " << f.attributes << ", " << f.path << "}";
}

std::vector<Found> Search(const std::string& folder, const FilterSettings& settings = {},
                          RunObserver& observer = silentObserver())
{
    EmptyItemList list;
    std::size_t counter = 0;
    SearchEmptyItems(folder, counter, list, settings, observer);
    EXPECT_EQ(counter, list.size());
    std::vector<Found> found;
    for (const EmptyItemRecord& r : list) {
        EXPECT_EQ(r.IconIndex, -1);
        EXPECT_EQ(r.OverlayIndex, -1);
        EXPECT_TRUE(r.TypeName.empty());
        found.push_back({r.Name, r.AttributeText, r.Path});
    }
    return found;
}

std::string WithoutSlash(std::string path)
{
    path.pop_back();
    return path;
}

std::string LastComponent(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

FilterSettings Including(bool hidden, bool system)
{
    FilterSettings settings;
    settings.includeHidden = hidden;
    settings.includeSystem = system;
    return settings;
}

TEST(EmptyItemSearch, EmptyChosenFolderIsTheOnlyRecordWithOrWithoutTrailingSlash)
{
    TempTree t;
    const std::string top = WithoutSlash(t.root());
    const std::vector<Found> expected{{LastComponent(top), "D", top}};
    EXPECT_EQ(Search(t.root()), expected);
    EXPECT_EQ(Search(top), expected);
}

TEST(EmptyItemSearch, OnlyInnermostEmptyFoldersAreReported)
{
    TempTree t;
    t.dir("a/b");
    EXPECT_EQ(Search(t.root()), (std::vector<Found>{{"b", "D", t.path("a/b")}}));
}

TEST(EmptyItemSearch, HiddenZeroSizeFileFollowsTheOptionButAlwaysFillsItsFolder)
{
    TempTree t;
    t.file("sub/.hidden");
    EXPECT_TRUE(Search(t.root()).empty());
    EXPECT_EQ(Search(t.root(), Including(true, false)),
              (std::vector<Found>{{".hidden", "A/H", t.path("sub/.hidden")}}));
}

TEST(EmptyItemSearch, AnyFileOfAnySizeMakesItsFolderNonEmpty)
{
    TempTree t;
    t.file("sub/data.txt", "x");
    t.file("sub2/.profile", "settings");
    EXPECT_TRUE(Search(t.root(), Including(true, true)).empty());
}

TEST(EmptyItemSearch, ExcludedHiddenSubfolderFillsItsParentAndIsNotEntered)
{
    TempTree t;
    t.dir("parent/secret/deeper");
    t.setDosAttrib("parent/secret", platform::kAttrHidden);
    EXPECT_TRUE(Search(t.root()).empty());
    EXPECT_EQ(Search(t.root(), Including(true, false)),
              (std::vector<Found>{{"deeper", "D", t.path("parent/secret/deeper")}}));
}

TEST(EmptyItemSearch, DotFoldersAreNeitherCountedNorEntered)
{
    TempTree t;
    t.file("project/.cache/zero");
    t.file("project/.cache/data", "x");
    // The folder's letters are those of the last entry listed: here .cache.
    EXPECT_EQ(Search(t.root(), Including(true, true)),
              (std::vector<Found>{{"project", "D/H", t.path("project")}}));
}

TEST(EmptyItemSearch, RecordsComeInWalkOrderWithAttributeLetters)
{
    TempTree t;
    t.file("b-zero");
    t.file("A-zero");
    t.file("data", "content");
    t.file("readonly");
    t.setReadOnly("readonly", true);
    t.file("normal");
    t.setDosAttrib("normal", 0);
    t.dir("s1");
    t.file("s2/z");
    t.dir("s2/s3");
    const std::vector<Found> expected{
        {"A-zero", "A", t.path("A-zero")}, {"b-zero", "A", t.path("b-zero")},
        {"normal", "N", t.path("normal")}, {"readonly", "A/R", t.path("readonly")},
        {"s1", "D", t.path("s1")},         {"z", "A", t.path("s2/z")},
        {"s3", "D", t.path("s2/s3")},
    };
    EXPECT_EQ(Search(t.root()), expected);
}

TEST(EmptyItemSearch, LinksAndSpecialFilesAreNeverReportedNorEntered)
{
    TempTree t;
    t.file("target/zero");
    t.dir("emptytarget");
    t.symlink("links/to-file", t.path("target/zero"));
    t.symlink("links/dangling", t.path("nowhere"));
    t.fifo("links/pipe");
    t.symlink("dirlink/to-dir", t.path("emptytarget"));
    const std::vector<Found> expected{
        {"emptytarget", "D", t.path("emptytarget")},
        {"zero", "A", t.path("target/zero")},
    };
    // The link to a folder fills "dirlink" but is not entered (it would report again).
    EXPECT_EQ(Search(t.root(), Including(true, true)), expected);
}

TEST(EmptyItemSearch, SystemZeroSizeFileIsReportedOnlyWithTheSystemOption)
{
    TempTree t;
    t.file("sys");
    t.setDosAttrib("sys", platform::kAttrSystem | platform::kAttrArchive);
    t.fifo("fifo-folder/pipe");
    EXPECT_TRUE(Search(t.root()).empty());
    EXPECT_EQ(Search(t.root(), Including(false, true)),
              (std::vector<Found>{{"sys", "A/S", t.path("sys")}}));
}

TEST(EmptyItemSearch, UnlistableFolderIsNeitherReportedNorEntered)
{
    TempTree t;
    t.dir("bad/inner");
    t.dir("good");
    const std::string bad = t.path("bad/");
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        return point == platform::FaultPoint::List && path == bad;
    });
    const auto found = Search(t.root());
    platform::SetFaultHook(nullptr);
    EXPECT_EQ(found, (std::vector<Found>{{"good", "D", t.path("good")}}));
}

TEST(EmptyItemSearch, StoppingKeepsExactlyAPrefixOfTheWholeResult)
{
    TempTree t;
    for (const char* name : {"a/x", "a/y/z", "b", "c/d/e/f", "g/h"})
        t.dir(name);
    t.file("a/zero");
    t.file("c/d/zero");
    t.file("g/h2/zero");
    StopAfter never(~std::size_t{0});
    const auto whole = Search(t.root(), {}, never);
    ASSERT_EQ(whole.size(), 8u);
    for (std::size_t limit = 0; limit <= never.pumps(); ++limit) {
        StopAfter stop(limit);
        const auto partial = Search(t.root(), {}, stop);
        ASSERT_LE(partial.size(), whole.size());
        EXPECT_TRUE(std::equal(partial.begin(), partial.end(), whole.begin())) << limit;
    }
}

// Makes `depth` nested folders "d" below `root` without passing long paths around.
void MakeChain(const std::string& root, int depth)
{
    int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < depth; ++level) {
        ASSERT_EQ(::mkdirat(fd, "d", 0755), 0);
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    ::close(fd);
}

// Removes such a chain with short paths only: the second level moves up each time.
void RemoveChain(const std::string& root)
{
    const std::string top = root + "d", next = root + "d/d", moved = root + "m";
    while (::rename(next.c_str(), moved.c_str()) == 0) {
        ::rmdir(top.c_str());
        ::rename(moved.c_str(), top.c_str());
    }
    ::rmdir(top.c_str());
}

// Thousands of nested folders are quick to make and remove only in memory: the
// trees of this test go to /dev/shm where it exists.
class InMemoryTemp
{
public:
    InMemoryTemp()
    {
        if (const char* old = std::getenv("TMPDIR"))
            old_ = old;
        if (platform::IsExistingFolder("/dev/shm"))
            ::setenv("TMPDIR", "/dev/shm", 1);
    }
    ~InMemoryTemp()
    {
        if (old_)
            ::setenv("TMPDIR", old_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> old_;
};

TEST(EmptyItemSearch, DeepTreesNeedNoMachineStack)
{
    InMemoryTemp inMemory;
    TempTree shallow;
    MakeChain(shallow.root(), 1500);
    const auto found = Search(shallow.root());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].path.size(), shallow.root().size() + 1500 * 2 - 1);

    // Beyond the system's path length the innermost folders cannot be listed.
    TempTree deep;
    MakeChain(deep.root(), 3000);
    EXPECT_TRUE(Search(deep.root()).empty());
    RemoveChain(deep.root());
}

TEST(EmptyItemSearch, SortByNameKeepsWalkOrderOfEqualNames)
{
    EmptyItemList list(3);
    list[0].Name = "b";
    list[0].Path = "/1/b";
    list[1].Name = "a";
    list[2].Name = "b";
    list[2].Path = "/2/b";
    SortEmptyItemsByName(list);
    EXPECT_EQ(list[0].Name, "a");
    EXPECT_EQ(list[1].Path, "/1/b");
    EXPECT_EQ(list[2].Path, "/2/b");
    EXPECT_EQ(FormatItemCount(12), "12 個");
}

} // namespace
} // namespace quorvex
