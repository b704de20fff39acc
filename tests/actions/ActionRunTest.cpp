// Plans carried out on real trees: what links and moves leave on the disk, and what
// stays when a file changed, vanished or became a folder after it was listed, when
// the kept file changed, when the system refuses a link, a clone, a rename or a move
// (through the fault seam), when another program changes a file while it is
// replaced, and when a run is cancelled; and the removal of what a killed run left.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "actions/ActionRun.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/TempFileNames.h"
#include "platform/TempJournal.h"
#include "platform/TextFile.h"
#include "platform/UserFolders.h"
#include "support/RecordingObserver.h"
#include "support/SameFile.h"
#include "support/SystemText.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

using platform::FaultPoint;

constexpr const char* kTime = "2024-01-02 03:04:05";

class ActionRunTest : public ::testing::Test
{
protected:
    void TearDown() override { platform::SetFaultHook(nullptr); }

    std::string file(const std::string& relative, const std::string& content)
    {
        return t.file(relative, content, kTime);
    }
    // An item for `path`, listed as made by file(), of a group that keeps `kept`.
    PlannedAction item(ActionKind kind, const std::string& path, const std::string& kept,
                       std::uint64_t size)
    {
        PlannedAction action;
        action.kind = kind;
        action.path = path;
        action.kept = kept;
        action.listed = ListedFile{size, test::LocalTimeToEpoch(kTime)};
        action.keptListed = action.listed;
        return action;
    }
    std::vector<ActionOutcome> run(const ActionPlan& plan)
    {
        return RunActionPlan(plan, {observer, t.path("data"), {}});
    }
    std::vector<ActionFailure> failures(const std::vector<ActionOutcome>& outcomes)
    {
        std::vector<ActionFailure> found;
        for (const ActionOutcome& outcome : outcomes)
            found.push_back(outcome.failure);
        return found;
    }
    // No temporary name of a replacement is left anywhere in the tree.
    bool noTemporaryLeft(const std::string& folder = {})
    {
        const std::string root = folder.empty() ? t.root() : folder;
        std::vector<platform::DirEntry> entries;
        if (!platform::ListDirectory(root, entries))
            return true;
        for (const platform::DirEntry& entry : entries) {
            if (entry.isDotName())
                continue;
            if (entry.name.find(".tmp-") != std::string::npos)
                return false;
            if (entry.isDirectory() && !noTemporaryLeft(root + entry.name + test::Native("/")))
                return false;
        }
        return true;
    }

    test::TempTree t;
    test::RecordingObserver observer;
};

TEST_F(ActionRunTest, HardLinksPutEveryCopyOnTheKeptFileWithItsBytes)
{
    const std::string kept = file("a", "same bytes");
    const std::string b = file("sub/b", "same bytes");
    const std::string c = file(std::string(255, 'c'), "same bytes"); // the longest name
    // Two names of one file: its bytes are freed with the second.
    const std::string d = file("d", "same bytes");
    const std::string e = t.path("sub/e");
    ASSERT_TRUE(platform::CopyToNewFile(d, e)); // a hard link where the system has them
    ActionPlan plan;
    plan.items = {item(ActionKind::HardLink, b, kept, 10), item(ActionKind::HardLink, c, kept, 10),
                  item(ActionKind::HardLink, d, kept, 10), item(ActionKind::HardLink, e, kept, 10)};
    EXPECT_EQ(BytesFreedByItems(plan), (std::vector<std::uint64_t>{10, 10, 0, 10}));
    std::vector<ActionOutcome> outcomes = run(plan);
    EXPECT_TRUE(outcomes[0].done && outcomes[1].done);
    EXPECT_TRUE(test::SameFile(b, kept) && test::SameFile(c, kept));
    EXPECT_EQ(platform::ReadWholeFile(b), "same bytes");
    EXPECT_TRUE(noTemporaryLeft());
    EXPECT_EQ(test::FolderNames(t.path("data")), std::vector<std::string>{}); // no journal left

    // Linked already: done again, with nothing changed, and nothing left to free.
    EXPECT_EQ(plan.bytesFreed(), 0u);
    outcomes = run(plan);
    EXPECT_TRUE(outcomes[0].done && outcomes[0].alreadyLinked);
}

TEST_F(ActionRunTest, AFileOrKeptFileThatChangedSinceTheListingStaysAndSaysWhy)
{
    const std::string kept = file("kept", "0123456789");
    const std::string grown = file("grown", "0123456789");
    const std::string touched = file("touched", "0123456789");
    const std::string folder = file("folder", "0123456789");
    const std::string removed = file("removed", "0123456789");
    const std::string clean = file("clean", "0123456789");
    const std::string rewritten = file("rewritten", "0123456789");
    const std::string otherKept = file("other-kept", "abcdefghij");
    const std::string ofOther = file("of-other", "abcdefghij");
    ActionPlan plan;
    for (const std::string& path : {grown, touched, folder, removed, rewritten, clean})
        plan.items.push_back(item(ActionKind::HardLink, path, kept, 10));
    plan.items.push_back(item(ActionKind::Trash, ofOther, otherKept, 10));

    t.file("grown", "0123456789+", kTime);
    t.setTime("touched", "2024-02-02 00:00:00");
    platform::DeleteRegularFile(folder);
    t.dir("folder");
    platform::DeleteRegularFile(removed);
    t.file("rewritten", "0123456780", kTime); // same size and time, one byte other
    t.setTime("other-kept", "2024-03-03 00:00:00");
    const std::vector<ActionOutcome> outcomes = run(plan);

    EXPECT_EQ(failures(outcomes),
              (std::vector<ActionFailure>{ActionFailure::Changed, ActionFailure::Changed,
                                          ActionFailure::NotAFile, ActionFailure::Missing,
                                          ActionFailure::ContentDiffers, ActionFailure::None,
                                          ActionFailure::KeptChanged}));
    EXPECT_TRUE(outcomes[5].done);
    EXPECT_EQ(platform::ReadWholeFile(grown), "0123456789+");
    EXPECT_EQ(platform::ReadWholeFile(rewritten), "0123456780");
    EXPECT_FALSE(test::SameFile(rewritten, kept));
    EXPECT_EQ(platform::ReadWholeFile(ofOther), "abcdefghij");
}

TEST_F(ActionRunTest, ALinkOrRenameOrMoveTheSystemRefusesLeavesTheFileAndNoTemporaryName)
{
    const std::string kept = file("kept", "contents");
    const std::string linkRefused = file("link-refused", "contents");
    const std::string renameRefused = file("rename-refused", "contents");
    const std::string moveRefused = file("move-refused", "contents");
    const std::string fine = file("fine", "contents");
    ActionPlan plan;
    plan.items = {item(ActionKind::HardLink, linkRefused, kept, 8),
                  item(ActionKind::HardLink, renameRefused, kept, 8),
                  item(ActionKind::Move, moveRefused, kept, 8),
                  item(ActionKind::HardLink, fine, kept, 8)};
    plan.items[2].destination = t.path("moved/move-refused");
    platform::SetFaultHook([&](FaultPoint point, std::string_view path) {
        return (point == FaultPoint::Link && path.starts_with(linkRefused)) ||
               (point == FaultPoint::Rename && (path == renameRefused || path == moveRefused));
    });
    const std::vector<ActionOutcome> outcomes = run(plan);
    platform::SetFaultHook(nullptr);

    EXPECT_EQ(failures(outcomes),
              (std::vector<ActionFailure>{ActionFailure::System, ActionFailure::System,
                                          ActionFailure::System, ActionFailure::None}));
    EXPECT_TRUE(outcomes[3].done);
    for (const std::string& path : {linkRefused, renameRefused, moveRefused}) {
        EXPECT_FALSE(test::SameFile(path, kept)) << path;
        EXPECT_EQ(platform::ReadWholeFile(path), "contents") << path;
    }
    EXPECT_FALSE(platform::LookupEntry(t.path("moved/move-refused")));
    EXPECT_NE(outcomes[0].detail, "");
    EXPECT_EQ(outcomes[2].detail, std::generic_category().message(ENOSPC)); // the system's own
    EXPECT_TRUE(noTemporaryLeft());
}

TEST_F(ActionRunTest, AMoveKeepsTheBytesAndNeverReplacesWhatIsThere)
{
    const std::string kept = file("kept", "contents");
    const std::string first = file("sub/first", "contents");
    const std::string second = file("sub/second", "contents");
    const std::string third = file("sub/third", "contents");
    t.file("moved/sub/second", "someone else's");
    t.file("moved/blocked", "a file with the name of a folder");
    // As a move stopped after its copy landed leaves them; and a look-alike.
    const std::string landed = file("sub/landed", "contents");
    file("moved/sub/landed", "contents");
    const std::string lookAlike = file("sub/look-alike", "contents");
    file("moved/sub/look-alike", "contentz");
    ActionPlan plan;
    plan.items = {item(ActionKind::Move, first, kept, 8), item(ActionKind::Move, second, kept, 8),
                  item(ActionKind::Move, third, kept, 8), item(ActionKind::Move, landed, kept, 8),
                  item(ActionKind::Move, lookAlike, kept, 8)};
    plan.items[0].destination = t.path("moved/sub/first");
    plan.items[1].destination = t.path("moved/sub/second");
    plan.items[2].destination = t.path("moved/blocked/third");
    plan.items[3].destination = t.path("moved/sub/landed");
    plan.items[4].destination = t.path("moved/sub/look-alike");
    const std::vector<ActionOutcome> outcomes = run(plan);

    EXPECT_TRUE(outcomes[0].done);
    EXPECT_EQ(outcomes[0].placedAt, t.path("moved/sub/first"));
    EXPECT_EQ(platform::ReadWholeFile(t.path("moved/sub/first")), "contents");
    EXPECT_FALSE(platform::LookupEntry(first));
    EXPECT_EQ(outcomes[1].failure, ActionFailure::TargetExists);
    EXPECT_EQ(platform::ReadWholeFile(second), "contents");
    EXPECT_EQ(platform::ReadWholeFile(t.path("moved/sub/second")), "someone else's");
    // The folder that a file's name blocks is named, not the destination.
    EXPECT_EQ(outcomes[2].failure, ActionFailure::System);
    EXPECT_TRUE(outcomes[2].detail.starts_with(t.path("moved/blocked"))) << outcomes[2].detail;
    EXPECT_EQ(platform::ReadWholeFile(third), "contents");
    // The landed copy finishes its move; the look-alike's bytes differ.
    EXPECT_TRUE(outcomes[3].done);
    EXPECT_EQ(outcomes[3].placedAt, plan.items[3].destination);
    EXPECT_FALSE(platform::LookupEntry(landed));
    EXPECT_EQ(platform::ReadWholeFile(plan.items[3].destination), "contents");
    EXPECT_EQ(outcomes[4].failure, ActionFailure::TargetExists);
    EXPECT_EQ(platform::ReadWholeFile(lookAlike), "contents");
    EXPECT_EQ(platform::ReadWholeFile(plan.items[4].destination), "contentz");
}

TEST_F(ActionRunTest, ACancelStopsBeforeTheNextItem)
{
    const std::string kept = file("kept", "x");
    ActionPlan plan;
    for (const char* name : {"one", "two", "three"})
        plan.items.push_back(item(ActionKind::HardLink, file(name, "x"), kept, 1));
    observer.onPump = [&](int) { observer.cancel = observer.steps == 1; };
    const std::vector<ActionOutcome> outcomes = run(plan);
    EXPECT_TRUE(outcomes[0].done);
    EXPECT_FALSE(outcomes[1].done || outcomes[1].failed() || outcomes[2].done);
    EXPECT_FALSE(test::SameFile(plan.items[1].path, kept));
}

TEST_F(ActionRunTest, TheNextStartRemovesWhatAKilledRunLeftAndNothingElse)
{
    const std::string journals = t.path("data/actions");
    const std::string temp = std::string(platform::kTempInfix);
    const std::string leftover = t.file("user/file" + temp + platform::NewTempSuffix(), "link");
    const std::string named = t.file("user/a file of the user.txt", "mine");
    const std::string heldTemp = t.file("user/held" + temp + platform::NewTempSuffix(), "live");
    {
        platform::TempJournal killed(journals);
        ASSERT_TRUE(killed.note(leftover));
        ASSERT_TRUE(killed.note(named)); // not a temporary name: never removed
    }                                    // unsettled: the journal stays, as a kill would leave it
    platform::TempJournal live(journals);
    ASSERT_TRUE(live.note(heldTemp));

    platform::RemoveLeftoversOfRuns(journals);
    EXPECT_FALSE(platform::LookupEntry(leftover));
    EXPECT_TRUE(platform::LookupEntry(named));
    EXPECT_TRUE(platform::LookupEntry(heldTemp)); // its run still holds its journal
    EXPECT_EQ(test::FolderNames(journals).size(), 1u);
}

#ifndef _WIN32 // the exchange of entries, symbolic links and clones as Linux has them

// Writes "version 2" over the start of the file and puts its times back, as a writer
// that restores the time does.
void RewriteInPlace(const std::string& path)
{
    struct stat before;
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    const int fd = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "version 2", 9), 9);
    ::close(fd);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST_F(ActionRunTest, AFileAnotherProgramReplacesWhileItIsReplacedIsPutBack)
{
    const std::string kept = file("kept", "version 1");
    const std::string copy = file("copy", "version 1");
    ActionPlan plan;
    plan.items = {item(ActionKind::HardLink, copy, kept, 9)};
    // The other program saves a new version the moment before the swap.
    platform::SetFaultHook([&](FaultPoint point, std::string_view path) {
        if (point == FaultPoint::Rename && path == copy) {
            const std::string saved = t.file("saved", "version 2");
            EXPECT_EQ(::rename(saved.c_str(), copy.c_str()), 0);
        }
        return false;
    });
    const std::vector<ActionOutcome> outcomes = run(plan);
    EXPECT_EQ(outcomes[0].failure, ActionFailure::Changed);
    EXPECT_EQ(platform::ReadWholeFile(copy), "version 2");
    EXPECT_EQ(platform::ReadWholeFile(kept), "version 1");
    EXPECT_TRUE(noTemporaryLeft());
}

TEST_F(ActionRunTest, AWriterThatPutsTheTimeBackAfterTheComparisonKeepsItsBytes)
{
    const std::string kept = file("kept", "version 1");
    const std::string linked = file("linked", "version 1");
    const std::string symlinked = file("symlinked", "version 1");
    ActionPlan plan;
    plan.items = {item(ActionKind::HardLink, linked, kept, 9),
                  item(ActionKind::SymbolicLink, symlinked, kept, 9),
                  item(ActionKind::SymbolicLink, file("later", "version 1"), kept, 9)};
    // Between the comparison and the exchange, each file is written in place with
    // its size and time as they were; at the last item, the kept file is.
    platform::SetFaultHook([&](FaultPoint point, std::string_view path) {
        if (point == FaultPoint::Link)
            RewriteInPlace(path.starts_with(t.path("later"))
                               ? kept
                               : std::string(path.substr(0, path.find(platform::kTempInfix))));
        return false;
    });
    const std::vector<ActionOutcome> outcomes = run(plan);
    EXPECT_EQ(failures(outcomes),
              (std::vector<ActionFailure>{ActionFailure::Changed, ActionFailure::Changed,
                                          ActionFailure::Changed}));
    for (const std::string& path : {linked, symlinked, kept})
        EXPECT_EQ(platform::ReadWholeFile(path), "version 2") << path;
    EXPECT_FALSE(test::SameFile(linked, kept));
    EXPECT_TRUE(noTemporaryLeft());
}

TEST_F(ActionRunTest, TheKeptFilesBytesAreNeverActedOnUnderAnotherPathOrName)
{
    const std::string kept = file("real/a", "bytes");
    t.symlink("alias", "real");
    const std::string link = t.symlink("real/to-a", "a");
    const std::string secondName = t.path("real/b");
    ASSERT_EQ(::link(kept.c_str(), secondName.c_str()), 0);
    ActionPlan plan;
    plan.items = {item(ActionKind::Trash, t.path("alias/a"), kept, 5),
                  item(ActionKind::Trash, kept, t.path("alias/a"), 5),
                  item(ActionKind::HardLink, link, kept, 5),
                  item(ActionKind::Move, secondName, kept, 5),
                  item(ActionKind::SymbolicLink, secondName, kept, 5),
                  item(ActionKind::Reflink, secondName, kept, 5),
                  item(ActionKind::HardLink, secondName, kept, 5)};
    plan.items[3].destination = t.path("moved/b");
    const std::vector<ActionOutcome> outcomes = run(plan);
    EXPECT_EQ(failures(outcomes),
              (std::vector<ActionFailure>{ActionFailure::SameFile, ActionFailure::SameFile,
                                          ActionFailure::NotAFile, ActionFailure::SameFile,
                                          ActionFailure::SameFile, ActionFailure::SameFile,
                                          ActionFailure::None}));
    EXPECT_TRUE(outcomes[6].alreadyLinked); // a hard link changes nothing there
    EXPECT_EQ(platform::ReadWholeFile(kept), "bytes");
    EXPECT_TRUE(test::SameFile(secondName, kept));
    EXPECT_FALSE(platform::LookupEntry(t.path("moved/b")));
}

TEST_F(ActionRunTest, TheLastCopyOfAContentIsNeverDeletedForGood)
{
    // No trash can be made: the data home lies below a file.
    const std::string saved = platform::EnvironmentText("XDG_DATA_HOME");
    ::setenv("XDG_DATA_HOME", (file("blocker", "x") + "/share").c_str(), 1);
    const std::string last = file("last", "bytes");
    const std::string copy = file("copy", "bytes");
    ActionPlan plan;
    plan.items = {item(ActionKind::Trash, last, "", 5), item(ActionKind::Trash, copy, "", 5)};
    plan.items[0].lastCopy = true;
    int asked = 0;
    const std::vector<ActionOutcome> outcomes =
        RunActionPlan(plan, {observer, t.path("data"), [&](const PlannedAction&) {
                                 ++asked;
                                 return true;
                             }});
    if (saved.empty())
        ::unsetenv("XDG_DATA_HOME");
    else
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);

    EXPECT_EQ(failures(outcomes),
              (std::vector<ActionFailure>{ActionFailure::NotTrashable, ActionFailure::None}));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(platform::ReadWholeFile(last), "bytes");
    EXPECT_FALSE(platform::LookupEntry(copy));
}

TEST_F(ActionRunTest, SymbolicLinksLeadToTheKeptFileByItsAbsolutePath)
{
    const std::string kept = file("a", "bytes");
    const std::string copy = file("sub/b", "bytes");
    ActionPlan plan;
    plan.items = {item(ActionKind::SymbolicLink, copy, kept, 5)};
    EXPECT_TRUE(run(plan)[0].done);
    char target[4096] = {};
    ASSERT_GT(::readlink(copy.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), platform::CanonicalPath(kept));
    EXPECT_EQ(platform::ReadWholeFile(copy), "bytes");
    // Run again, as after a kill: what is a link already stays as it is and frees
    // nothing more; nor would trashing the link.
    EXPECT_EQ(plan.bytesFreed(), 0u);
    EXPECT_TRUE(run(plan)[0].alreadyLinked);
    plan.items[0].kind = ActionKind::Trash;
    EXPECT_EQ(plan.bytesFreed(), 0u);
}

TEST_F(ActionRunTest, AMoveToAnotherFileSystemCopiesWithTheFilesAttributesBeforeItRemovesIt)
{
    struct stat shm, tmp;
    if (::stat("/dev/shm", &shm) != 0 || ::stat(t.root().c_str(), &tmp) != 0 ||
        shm.st_dev == tmp.st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";
    const std::string aside = "/dev/shm/qv-move-" + std::to_string(::getpid());
    const std::string kept = file("kept", "contents");
    const std::string copy = file("copy", "contents");
    ASSERT_EQ(::chmod(copy.c_str(), 0640), 0);
    // Written while it is copied, its time put back: it stays where it is.
    const std::string written = file("written", "version 1");
    const std::string longest(255, 'l');
    ActionPlan plan;
    plan.items = {item(ActionKind::Move, copy, kept, 8), item(ActionKind::Move, written, "", 9),
                  item(ActionKind::Move, file(longest, "contents"), kept, 8)};
    plan.items[0].destination = aside + "/sub/copy";
    plan.items[1].destination = aside + "/sub/written";
    plan.items[2].destination = aside + "/sub/" + longest;
    platform::SetFaultHook([&](FaultPoint point, std::string_view path) {
        if (point == FaultPoint::Rename && path.starts_with(plan.items[1].destination + ".tmp"))
            RewriteInPlace(written);
        return false;
    });
    const std::vector<ActionOutcome> outcomes = run(plan);
    struct stat moved;
    const bool there = ::stat((aside + "/sub/copy").c_str(), &moved) == 0;
    const auto bytes = platform::ReadWholeFile(aside + "/sub/copy");
    const bool writtenMoved = platform::LookupEntry(plan.items[1].destination).has_value();
    const auto longestBytes = platform::ReadWholeFile(plan.items[2].destination);
    std::filesystem::remove_all(aside);

    EXPECT_TRUE(outcomes[0].done);
    EXPECT_TRUE(outcomes[2].done) << outcomes[2].detail;
    EXPECT_EQ(longestBytes, "contents");
    EXPECT_EQ(outcomes[1].failure, ActionFailure::Changed);
    EXPECT_EQ(platform::ReadWholeFile(written), "version 2");
    EXPECT_FALSE(writtenMoved);
    ASSERT_TRUE(there);
    EXPECT_EQ(bytes, "contents");
    EXPECT_EQ(moved.st_mode & 0777, 0640u);
    EXPECT_EQ(moved.st_mtim.tv_sec, test::LocalTimeToEpoch(kTime));
    EXPECT_FALSE(platform::LookupEntry(copy));
    EXPECT_TRUE(noTemporaryLeft());
}

TEST_F(ActionRunTest, ACloneTheFileSystemCannotMakeFailsWithoutACopy)
{
    const std::string kept = file("a", "bytes");
    const std::string copy = file("b", "bytes");
    const std::string second = file("c", "bytes");
    const auto before = platform::IdentifyEntry(copy);
    ActionPlan plan;
    plan.items = {item(ActionKind::Reflink, copy, kept, 5),
                  item(ActionKind::Reflink, second, kept, 5)};
    int secondOpened = 0;
    platform::SetFaultHook([&](FaultPoint point, std::string_view path) {
        secondOpened += point == FaultPoint::Open && path == second;
        return point == FaultPoint::Clone;
    });
    const std::vector<ActionOutcome> outcomes = run(plan);
    EXPECT_EQ(outcomes[0].failure, ActionFailure::NoClone);
    EXPECT_EQ(outcomes[0].detail, std::strerror(EOPNOTSUPP));
    // The file system is asked once: the next file is not read in vain.
    EXPECT_EQ(outcomes[1].failure, ActionFailure::NoClone);
    EXPECT_EQ(outcomes[1].detail, outcomes[0].detail);
    EXPECT_EQ(secondOpened, 0);
    EXPECT_TRUE(before->unchanged(*platform::IdentifyEntry(copy)));
    EXPECT_TRUE(noTemporaryLeft());
}

#endif

} // namespace
} // namespace quorvex
