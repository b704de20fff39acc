#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "empty/EmptyItemSearch.h"
#include "platform/FileSystem.h"
#include "support/SystemText.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

using test::TempTree;
using Finds = std::vector<std::string>;

// Stops the walk once it has processed messages `limit` times.
struct StopAfter : RunObserver
{
    explicit StopAfter(std::size_t limit) : limit(limit) {}
    void pumpMessages() override { ++pumps; }
    bool cancelRequested() const override { return pumps >= limit; }
    std::size_t limit, pumps = 0;
};

// Records the folders the walk could not list.
struct Unread : RunObserver
{
    void cannotRead(const std::string& path, const std::string& reason) override
    {
        unread.push_back(path + ": " + reason);
    }
    std::vector<std::string> unread;
};

// Each record as "Name AttributeText Path", the path relative to the tree.
Finds Search(const TempTree& t, bool hidden = false, bool system = false,
             RunObserver& observer = silentObserver())
{
    FilterSettings settings;
    settings.includeHidden = hidden;
    settings.includeSystem = system;
    EmptyItemList list;
    std::size_t counter = 0;
    SearchEmptyItems(t.root(), counter, list, settings, observer);
    EXPECT_EQ(counter, list.size());
    Finds finds;
    for (const EmptyItemRecord& r : list) {
        EXPECT_TRUE(r.IconIndex == -1 && r.OverlayIndex == -1 && r.TypeName.empty());
        EXPECT_EQ(r.Path.rfind(t.root(), 0), 0u);
        finds.push_back(r.Name + " " + r.AttributeText + " " +
                        test::Slashed(r.Path.substr(t.root().size())));
    }
    return finds;
}

TEST(EmptyItemSearch, EmptyChosenFolderIsReportedWithoutTrailingSlash)
{
    TempTree t;
    std::string top = t.root();
    top.pop_back();
    EmptyItemList list;
    std::size_t counter = 0;
    SearchEmptyItems(top, counter, list, {}, silentObserver());
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Path, top);
    EXPECT_EQ(list[0].Name, top.substr(top.rfind(test::kSeparator) + 1));
    EXPECT_EQ(list[0].AttributeText, "D");
}

TEST(EmptyItemSearch, RecordsComeInWalkOrderAndOnlyInnermostEmptyFoldersCount)
{
    TempTree t;
    t.file("b-zero");
    t.file("A-zero");
    t.file("data", "content");
    t.file("readonly");
    t.setReadOnly("readonly", true);
    t.file("normal");
    t.setDosAttrib("normal", 0);
    t.dir("s1/only/innermost");
    t.file("s2/z");
    t.dir("s2/s3");
    EXPECT_EQ(Search(t),
              (Finds{"A-zero A A-zero", "b-zero A b-zero",
                     "normal " + test::NormalFileLetters() + " normal", "readonly A/R readonly",
                     "innermost D s1/only/innermost", "z A s2/z", "s3 D s2/s3"}));
}

TEST(EmptyItemSearch, HiddenEntriesFollowTheOptionButAlwaysFillTheirFolder)
{
    TempTree t;
    t.file("f/.hidden");
    t.hide("f/.hidden");
    t.dir("d/secret/deeper");
    t.setDosAttrib("d/secret", platform::kAttrHidden);
    EXPECT_TRUE(Search(t).empty());
    EXPECT_EQ(Search(t, true), (Finds{"deeper D d/secret/deeper", ".hidden A/H f/.hidden"}));
}

TEST(EmptyItemSearch, DotFoldersAreNeitherCountedNorEntered)
{
    TempTree t;
    t.file("project/.cache/zero");
    t.hide("project/.cache");
    // The folder's letters are those of the last entry listed: here .cache.
    EXPECT_EQ(Search(t, true, true), (Finds{"project D/H project"}));
}

#ifndef _WIN32 // links to files and FIFOs as Linux has them
TEST(EmptyItemSearch, LinksAndSpecialFilesFillFoldersButAreNeverReportedNorEntered)
{
    TempTree t;
    t.file("target/zero");
    t.dir("emptytarget");
    t.symlink("links/to-file", t.path("target/zero"));
    t.symlink("links/dangling", t.path("nowhere"));
    t.fifo("links/pipe");
    t.symlink("dirlink/to-dir", t.path("emptytarget"));
    t.file("sys");
    t.setDosAttrib("sys", platform::kAttrSystem | platform::kAttrArchive);
    EXPECT_EQ(Search(t), (Finds{"emptytarget D emptytarget", "zero A target/zero"}));
    EXPECT_EQ(Search(t, true, true),
              (Finds{"sys A/S sys", "emptytarget D emptytarget", "zero A target/zero"}));
}

#endif

TEST(EmptyItemSearch, UnlistableFolderIsNeitherReportedNorEntered)
{
    TempTree t;
    t.dir("bad/inner");
    t.dir("good");
    const std::string bad = t.path("bad/");
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        return point == platform::FaultPoint::List && path == bad;
    });
    Unread observer;
    const Finds finds = Search(t, false, false, observer);
    platform::SetFaultHook(nullptr);
    EXPECT_EQ(finds, (Finds{"good D good"}));
    EXPECT_EQ(observer.unread, (Finds{bad + ": " + std::strerror(EACCES)}));
}

TEST(EmptyItemSearch, AFolderWhoseListingBreaksOffIsNeverReportedEmpty)
{
    TempTree t;
    t.file("broken/a", "x");
    t.dir("broken/b");
    t.dir("good");
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        return point == platform::FaultPoint::ListNext && path == t.path("broken/b");
    });
    Unread observer;
    const Finds finds = Search(t, false, false, observer);
    platform::SetFaultHook(nullptr);
    EXPECT_EQ(finds, (Finds{"good D good"}));
    EXPECT_EQ(observer.unread, (Finds{t.path("broken/") + ": " + std::strerror(EIO)}));
}

TEST(EmptyItemSearch, StoppingKeepsExactlyAPrefixOfTheWholeResult)
{
    TempTree t;
    for (const char* name : {"a/x", "a/y/z", "b", "c/d/e/f", "g/h"})
        t.dir(name);
    for (const char* name : {"a/zero", "c/d/zero", "g/h2/zero"})
        t.file(name);
    StopAfter never(~std::size_t{0});
    const Finds whole = Search(t, false, false, never);
    ASSERT_EQ(whole.size(), 8u);
    for (std::size_t limit = 0; limit <= never.pumps; ++limit) {
        StopAfter stop(limit);
        const Finds partial = Search(t, false, false, stop);
        ASSERT_LE(partial.size(), whole.size());
        EXPECT_TRUE(std::equal(partial.begin(), partial.end(), whole.begin())) << limit;
    }
}

#ifndef _WIN32 // folders made relative to open folders, a POSIX way
// Makes `depth` nested folders "d" with short paths only; the removal moves the
// second level up each time, so no call ever sees a long path.
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

void RemoveChain(const std::string& root)
{
    const std::string top = root + "d", next = root + "d/d", moved = root + "m";
    while (::rename(next.c_str(), moved.c_str()) == 0) {
        ::rmdir(top.c_str());
        ::rename(moved.c_str(), top.c_str());
    }
    ::rmdir(top.c_str());
}

TEST(EmptyItemSearch, DeepTreesNeedNoMachineStackAndFewOpenFolders)
{
    // Thousands of folders are made and removed quickly only in memory.
    const char* oldTemp = std::getenv("TMPDIR");
    const std::string restore = oldTemp ? oldTemp : "/tmp";
    if (platform::IsExistingFolder("/dev/shm"))
        ::setenv("TMPDIR", "/dev/shm", 1);
    TempTree t;
    ::setenv("TMPDIR", restore.c_str(), 1);

    MakeChain(t.root(), 3000);
    // Far fewer descriptors than levels: a walk that held every folder open fails.
    rlimit limit;
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    rlimit lowered = limit;
    lowered.rlim_cur = 256;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    const Finds finds = Search(t);
    ::setrlimit(RLIMIT_NOFILE, &limit);
    RemoveChain(t.root());
    ASSERT_EQ(finds.size(), 1u);
    EXPECT_EQ(finds[0].size(), std::string("d D ").size() + 3000 * 2 - 1);
}

#endif

} // namespace
} // namespace quorvex
