// Copies between the sides of a comparison, planned from its rows and carried out on
// real trees: what each choice copies, what the disk holds afterwards (bytes, times,
// permissions, attributes, links), the replaced file in the trash, and what stays
// when a source or destination changed, the disk fills, or names are odd.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <sstream>
#include <thread>

#include "actions/ActionRun.h"
#include "compare/CompareActions.h"
#include "compare/ComparisonEngine.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

using platform::FaultPoint;

constexpr const char* kOld = "2024-01-02 03:04:06";
constexpr const char* kNew = "2024-06-07 08:09:10";

std::string Read(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

std::int64_t TimeOf(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mtim.tv_sec : -1;
}

class CompareActionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The trash on the trees' own file system, where the test can look into it.
        ::setenv("XDG_DATA_HOME", t.path("share").c_str(), 1);
        t.dir("A");
        t.dir("B");
    }
    void TearDown() override
    {
        platform::SetFaultHook(nullptr);
        ::unsetenv("XDG_DATA_HOME");
    }

    void compare(bool contents = false)
    {
        ASSERT_TRUE(engine.StartComparison(t.path("A"), t.path("B"), contents).carriedOut);
        scope = ScopeOfComparison(engine, contents);
    }
    CopyPlan plan(CopyChoice choice, bool onlyMissing = false,
                  ReplacedKeeping keeping = ReplacedKeeping::Trash)
    {
        std::vector<std::size_t> rows(engine.rows().size());
        std::iota(rows.begin(), rows.end(), std::size_t{0});
        return PlanCopies(engine.rows(), scope, rows, choice, onlyMissing, keeping);
    }
    // A/f.txt ("new") newer than B/f.txt ("old"), compared, and the plan that updates B.
    CopyPlan planOneUpdate()
    {
        t.file("A/f.txt", "new", kNew);
        t.file("B/f.txt", "old", kOld);
        compare();
        return plan(CopyChoice::UpdateB);
    }
    std::vector<ActionOutcome> run(const ActionPlan& plan)
    {
        return RunActionPlan(plan, {observer, t.path("data/"), {}});
    }
    // "copy A/x -> B/x" per item, paths below the tree.
    std::vector<std::string> items(const ActionPlan& plan) const
    {
        std::vector<std::string> out;
        for (const PlannedAction& item : plan.items)
            out.push_back(std::string(ActionWord(item.kind)) + " " + below(item.path) + " -> " +
                          below(item.destination));
        return out;
    }
    std::string below(const std::string& path) const
    {
        return path.starts_with(t.root()) ? path.substr(t.root().size()) : path;
    }
    // Whether a name of the temporary form is left anywhere below `folder`.
    bool temporaryLeft(const std::string& folder) const
    {
        std::vector<platform::DirEntry> entries;
        if (!platform::ListDirectory(folder, entries))
            return false;
        for (const platform::DirEntry& entry : entries) {
            if (entry.isDotName())
                continue;
            if (entry.name.find(".tmp-") != std::string::npos)
                return true;
            if (entry.isDirectory() && temporaryLeft(folder + "/" + entry.name))
                return true;
        }
        return false;
    }

    bool trashHoldsAnything() const
    {
        std::vector<platform::DirEntry> entries;
        return platform::ListDirectory(t.path("share/Trash/files"), entries) && entries.size() > 2;
    }

    test::TempTree t;
    FilterSettings filters;
    test::RecordingObserver observer;
    ComparisonEngine engine{filters, observer};
    ComparisonScope scope;
};

TEST_F(CompareActionsTest, MissingFolderTreeIsCopiedWholeWithTimesPermissionsAndAttributes)
{
    t.file("A/docs/sub/x.txt", "x bytes", kOld);
    t.file("A/docs/r.txt", "read only", kOld);
    t.setReadOnly("A/docs/r.txt", true);
    t.setDosAttrib("A/docs/sub/x.txt", 0x22); // archive + hidden
    t.dir("A/docs/sub", "2023-03-03 03:03:04");
    t.dir("A/docs", "2022-02-02 02:02:02");
    t.file("A/more/y.txt", "y bytes", kOld);
    compare();

    const CopyPlan planned = plan(CopyChoice::AToB);
    EXPECT_TRUE(planned.leftOut.empty());
    // A folder row copies its whole tree; the rows below it add nothing. Every folder
    // of every row is made before the first file.
    EXPECT_EQ(items(planned.plan), (std::vector<std::string>{
                                       "copy A/docs -> B/docs",
                                       "copy A/docs/sub -> B/docs/sub",
                                       "copy A/more -> B/more",
                                       "copy A/docs/r.txt -> B/docs/r.txt",
                                       "copy A/docs/sub/x.txt -> B/docs/sub/x.txt",
                                       "copy A/more/y.txt -> B/more/y.txt",
                                   }));
    for (const ActionOutcome& outcome : run(planned.plan))
        EXPECT_TRUE(outcome.done) << outcome.detail;

    EXPECT_EQ(Read(t.path("B/docs/sub/x.txt")), "x bytes");
    EXPECT_EQ(TimeOf(t.path("B/docs/sub/x.txt")), test::LocalTimeToEpoch(kOld));
    EXPECT_EQ(TimeOf(t.path("B/docs/sub")), test::LocalTimeToEpoch("2023-03-03 03:03:04"));
    EXPECT_EQ(TimeOf(t.path("B/docs")), test::LocalTimeToEpoch("2022-02-02 02:02:02"));
    EXPECT_EQ(platform::GetAttributes(t.path("B/docs/r.txt")),
              platform::GetAttributes(t.path("A/docs/r.txt")));
    EXPECT_EQ(platform::GetAttributes(t.path("B/docs/sub/x.txt")), 0x22u);
    EXPECT_FALSE(temporaryLeft(t.path("B")));
}

TEST_F(CompareActionsTest, NewerFileReplacesOlderWhichStaysRestorableInTheTrash)
{
    t.file("A/f.txt", "the new text", kNew);
    t.file("B/f.txt", "old", kOld);
    t.file("A/g.txt", "older in A", kOld);
    t.file("B/g.txt", "newer in B", kNew);
    compare();

    // One way: B's newer g.txt is not A's to take.
    const CopyPlan planned = plan(CopyChoice::UpdateB);
    ASSERT_EQ(items(planned.plan), (std::vector<std::string>{"replace A/f.txt -> B/f.txt"}));
    const std::vector<ActionOutcome> outcomes = run(planned.plan);
    ASSERT_TRUE(outcomes[0].done) << outcomes[0].detail;

    EXPECT_EQ(Read(t.path("B/f.txt")), "the new text");
    EXPECT_EQ(TimeOf(t.path("B/f.txt")), test::LocalTimeToEpoch(kNew));
    EXPECT_EQ(Read(t.path("A/g.txt")), "older in A");
    // The old file, byte for byte, with the record a restore reads.
    const std::string trashed = outcomes[0].placedAt;
    ASSERT_TRUE(trashed.starts_with(t.path("share/Trash/files/"))) << trashed;
    EXPECT_EQ(Read(trashed), "old");
    EXPECT_EQ(TimeOf(trashed), test::LocalTimeToEpoch(kOld));
    const std::string info = Read(t.path("share/Trash/info/f.txt.trashinfo"));
    EXPECT_NE(info.find("Path=" + t.path("B/f.txt") + "\n"), std::string::npos) << info;
    EXPECT_FALSE(temporaryLeft(t.path("B")));
}

TEST_F(CompareActionsTest, VersionedReplacedFilesStayBesideUnderTheirTimeNeverOverAnotherFile)
{
    t.file("A/report.txt", "new report", kNew);
    t.file("B/report.txt", "old report", kOld);
    const std::string taken = "B/report (2024-01-02 030406).txt";
    t.file(taken, "an earlier version", kOld);
    t.file("A/sub/.profile", "new profile", kNew);
    t.file("B/sub/.profile", "old profile", kOld);
    filters.includeHidden = true;
    compare();
    const CopyPlan planned = plan(CopyChoice::UpdateB, false, ReplacedKeeping::Versioned);
    ASSERT_EQ(planned.plan.items.size(), 2u);
    const std::vector<ActionOutcome> outcomes = run(planned.plan);
    for (const ActionOutcome& outcome : outcomes)
        EXPECT_TRUE(outcome.done) << outcome.detail;

    EXPECT_EQ(Read(t.path("B/report.txt")), "new report");
    EXPECT_EQ(outcomes[0].placedAt, t.path("B/report (2024-01-02 030406 2).txt"));
    EXPECT_EQ(Read(outcomes[0].placedAt), "old report");
    EXPECT_EQ(TimeOf(outcomes[0].placedAt), test::LocalTimeToEpoch(kOld));
    EXPECT_EQ(Read(t.path(taken)), "an earlier version");
    // A name that begins with its only dot keeps it whole.
    EXPECT_EQ(Read(t.path("B/sub/.profile (2024-01-02 030406)")), "old profile");
    EXPECT_FALSE(trashHoldsAnything());
    EXPECT_FALSE(temporaryLeft(t.path("B")));
}

TEST_F(CompareActionsTest, CopyRefusedWhenPutInPlaceFailsAloneWhileTheOthersOfItsBatchLand)
{
    // Four folders of four files: the batch is written on several threads.
    for (const char* folder : {"1", "2", "3", "4"})
        for (const char* name : {"a", "b", "c", "d"})
            t.file(std::string("A/") + folder + "/" + name, std::string("bytes of ") + name, kOld);
    compare();
    const CopyPlan planned = plan(CopyChoice::AToB);
    ASSERT_EQ(planned.plan.items.size(), 20u);
    platform::SetFaultHook([](FaultPoint point, std::string_view path) {
        return point == FaultPoint::Rename && path.find("/B/3/b.tmp-") != std::string::npos;
    });
    const std::vector<ActionOutcome> outcomes = run(planned.plan);
    platform::SetFaultHook(nullptr);
    // Each outcome is told at its own item.
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const std::string destination = below(planned.plan.items[i].destination);
        if (destination != "B/3/b") {
            EXPECT_TRUE(outcomes[i].done) << destination;
            continue;
        }
        EXPECT_EQ(outcomes[i].failure, ActionFailure::System);
        EXPECT_NE(outcomes[i].detail.find("space"), std::string::npos) << outcomes[i].detail;
    }
    EXPECT_EQ(test::FolderNames(t.path("B/3")), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(Read(t.path("B/4/d")), "bytes of d");
}

TEST_F(CompareActionsTest, ACancelWritesNoCopyThatWaitsForItsBatchAndLeavesNoTemporaryName)
{
    for (const char* folder : {"1", "2", "3"})
        for (const char* name : {"a", "b", "c", "d"})
            t.file(std::string("A/") + folder + "/" + name, "bytes", kOld);
    compare();
    const CopyPlan planned = plan(CopyChoice::AToB);
    ASSERT_EQ(planned.plan.items.size(), 15u);
    // The cancel comes once the three folders are made and two copies wait.
    observer.steps = 0;
    observer.onPump = [&](int) { observer.cancel = observer.steps >= 5; };
    const std::vector<ActionOutcome> outcomes = run(planned.plan);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const bool folder = planned.plan.items[i].folder;
        EXPECT_EQ(outcomes[i].done, folder) << i;
        EXPECT_FALSE(outcomes[i].failed()) << i;
    }
    for (const char* folder : {"B/1", "B/2", "B/3"})
        EXPECT_TRUE(test::FolderNames(t.path(folder)).empty()) << folder;
}

TEST_F(CompareActionsTest, UpdateBothLeavesBothTreesEqualAndTouchesNothingEqual)
{
    t.file("A/newer-in-a.txt", "A wins", kNew);
    t.file("B/newer-in-a.txt", "B loses", kOld);
    t.file("A/newer-in-b.txt", "A loses here", kOld);
    t.file("B/newer-in-b.txt", "B wins", kNew);
    t.file("A/only-a/deep/a.txt", "a", kOld);
    t.file("B/only-b.txt", "b", kOld);
    t.file("A/same.txt", "same", kOld);
    t.file("B/same.txt", "same", kOld);
    const auto sameBefore = platform::IdentifyEntry(t.path("B/same.txt"));
    compare(true);

    const CopyPlan planned = plan(CopyChoice::UpdateBoth);
    EXPECT_EQ(items(planned.plan), (std::vector<std::string>{
                                       "copy A/only-a -> B/only-a",
                                       "copy A/only-a/deep -> B/only-a/deep",
                                       "copy A/only-a/deep/a.txt -> B/only-a/deep/a.txt",
                                       "replace A/newer-in-a.txt -> B/newer-in-a.txt",
                                       "replace B/newer-in-b.txt -> A/newer-in-b.txt",
                                       "copy B/only-b.txt -> A/only-b.txt",
                                   }));
    for (const ActionOutcome& outcome : run(planned.plan))
        EXPECT_TRUE(outcome.done) << outcome.detail;
    const auto sameAfter = platform::IdentifyEntry(t.path("B/same.txt"));
    ASSERT_TRUE(sameBefore && sameAfter);
    EXPECT_TRUE(sameAfter->untouched(*sameBefore));

    // A new comparison finds every pair alike, by content too.
    compare(true);
    for (std::size_t i = 0; i < engine.rows().size(); ++i) {
        const ComparisonRow& row = engine.rows()[i];
        EXPECT_TRUE(row.hasA() && row.hasB()) << i;
        EXPECT_EQ(row.timeRelation(), Relation::Equal) << i;
        if (engine.rows().isFileRow(row)) {
            EXPECT_EQ(row.percent(), 100) << i;
        }
    }
    EXPECT_EQ(Read(t.path("A/newer-in-b.txt")), "B wins");
    EXPECT_TRUE(plan(CopyChoice::UpdateBoth).plan.items.empty());
}

TEST_F(CompareActionsTest, RowsReadAgainFromTheDiskShowACopiedPairEqual)
{
    t.file("A/f.txt", "new", kNew);
    t.file("B/f.txt", "old!", kOld);
    t.file("A/new/n.txt", "n", kOld);
    compare(true);
    const CopyPlan planned = plan(CopyChoice::AToB);
    const std::vector<ActionOutcome> outcomes = run(planned.plan);
    RefreshCopiedRows(engine.rows(), scope, planned.plan, outcomes);
    for (std::size_t i = 0; i < engine.rows().size(); ++i) {
        const ComparisonRow& row = engine.rows()[i];
        EXPECT_TRUE(row.hasB()) << i;
        EXPECT_EQ(row.timeRelation(), Relation::Equal) << i;
        EXPECT_EQ(row.sizeRelation(),
                  engine.rows().isFileRow(row) ? Relation::Equal : Relation::None)
            << i;
    }
}

TEST_F(CompareActionsTest, EntriesChangedSinceTheComparisonAreLeftOutAndNamed)
{
    t.file("A/f.txt", "1234", kNew);
    t.file("B/f.txt", "old", kOld);
    t.file("A/g.txt", "gggg", kNew);
    t.file("A/h.txt", "hhhh", kNew);
    compare();
    // The file system's clock may lag the comparison's by a tick.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    // Rewritten with its size and time put back: only its change time tells.
    t.file("A/f.txt", "5678", kNew);
    // The destination taken since.
    t.file("B/g.txt", "taken", kOld);

    CopyPlan planned = plan(CopyChoice::AToB);
    ASSERT_EQ(planned.leftOut.size(), 2u);
    EXPECT_EQ(below(planned.leftOut[0].path), "A/f.txt");
    EXPECT_EQ(below(planned.leftOut[1].path), "B/g.txt");
    EXPECT_EQ(planned.leftOut[0].reason, LeftOutReason::Changed);
    ASSERT_EQ(items(planned.plan), (std::vector<std::string>{"copy A/h.txt -> B/h.txt"}));

    // Changed between the plan and the run: the source, then the destination.
    t.file("A/h.txt", "hhhhh", kNew);
    EXPECT_EQ(run(planned.plan)[0].failure, ActionFailure::Changed);
    EXPECT_FALSE(platform::LookupEntry(t.path("B/h.txt")));
    EXPECT_EQ(Read(t.path("B/f.txt")), "old");
    t.file("A/h.txt", "hhhh", kNew);
    compare();
    planned = plan(CopyChoice::AToB);
    ASSERT_EQ(items(planned.plan).back(), "copy A/h.txt -> B/h.txt");
    t.file("B/h.txt", "someone else's", kOld);
    EXPECT_EQ(run(planned.plan).back().failure, ActionFailure::TargetExists);
    EXPECT_EQ(Read(t.path("B/h.txt")), "someone else's");
}

TEST_F(CompareActionsTest, ReplacedFileChangedAfterThePlanIsKeptAndNotTrashed)
{
    const CopyPlan planned = planOneUpdate();
    ASSERT_EQ(planned.plan.items.size(), 1u);
    t.file("B/f.txt", "edited", kOld);
    EXPECT_EQ(run(planned.plan)[0].failure, ActionFailure::TargetChanged);
    EXPECT_EQ(Read(t.path("B/f.txt")), "edited");
    EXPECT_FALSE(trashHoldsAnything());
}

TEST_F(CompareActionsTest, DiskFullHalfwayLeavesNoPartialFileAndTheOldOneInPlace)
{
    t.patternFile("A/big.bin", 3 << 20, 7, kNew);
    t.file("B/big.bin", "old contents", kOld);
    t.patternFile("A/new.bin", 3 << 20, 8, kNew);
    compare();
    const CopyPlan planned = plan(CopyChoice::UpdateB);
    ASSERT_EQ(planned.plan.items.size(), 2u);
    std::atomic<int> writes = 0; // the copies are written on several threads
    platform::SetFaultHook([&](FaultPoint point, std::string_view) {
        return point == FaultPoint::Write && ++writes % 3 == 0;
    });
    const std::vector<ActionOutcome> outcomes = run(planned.plan);
    platform::SetFaultHook(nullptr);
    EXPECT_EQ(outcomes[0].failure, ActionFailure::System);
    EXPECT_EQ(outcomes[1].failure, ActionFailure::System);
    EXPECT_NE(outcomes[0].detail, "");
    EXPECT_EQ(Read(t.path("B/big.bin")), "old contents");
    EXPECT_FALSE(platform::LookupEntry(t.path("B/new.bin")));
    EXPECT_FALSE(temporaryLeft(t.path("B")));
    EXPECT_FALSE(trashHoldsAnything());
}

TEST_F(CompareActionsTest, ACopyThatCannotBeReadBackForItsCheckIsNamedAndLeavesNothing)
{
    const CopyPlan planned = planOneUpdate();
    ASSERT_EQ(planned.plan.items.size(), 1u);
    platform::SetFaultHook([&](FaultPoint point, std::string_view path) {
        return point == FaultPoint::Read && path.find(".tmp-") != std::string_view::npos;
    });
    const std::vector<ActionOutcome> outcomes = run(planned.plan);
    platform::SetFaultHook(nullptr);
    EXPECT_EQ(outcomes[0].failure, ActionFailure::Unreadable);
    EXPECT_NE(outcomes[0].detail, "");
    EXPECT_EQ(Read(t.path("B/f.txt")), "old");
    EXPECT_FALSE(temporaryLeft(t.path("B")));
    EXPECT_FALSE(trashHoldsAnything());
}

TEST_F(CompareActionsTest, SymbolicLinksAreCopiedAsLinksNeverFollowed)
{
    t.file("outside/secret.txt", "not in the tree", kOld);
    t.dir("outside/folder");
    t.file("outside/folder/inner.txt", "inner", kOld);
    t.symlink("A/to-secret", "../outside/secret.txt");
    t.symlink("A/to-folder", t.path("outside/folder"));
    t.symlink("A/dangling", "nowhere");
    compare();
    const CopyPlan planned = plan(CopyChoice::AToB);
    for (const ActionOutcome& outcome : run(planned.plan))
        EXPECT_TRUE(outcome.done) << outcome.detail;
    for (const char* name : {"to-secret", "to-folder", "dangling"}) {
        const auto entry = platform::IdentifyEntry(t.path("B/") + name);
        ASSERT_TRUE(entry) << name;
        EXPECT_TRUE(entry->link) << name;
        char target[256] = {};
        char copied[256] = {};
        ASSERT_GT(::readlink(t.path("A/" + std::string(name)).c_str(), target, sizeof target), 0);
        ASSERT_GT(::readlink(t.path("B/" + std::string(name)).c_str(), copied, sizeof copied), 0);
        EXPECT_STREQ(copied, target) << name;
    }
    EXPECT_FALSE(platform::LookupEntry(t.path("B/to-folder/../inner.txt")));
    EXPECT_EQ(test::FolderNames(t.path("B")),
              (std::vector<std::string>{"dangling", "to-folder", "to-secret"}));
}

TEST_F(CompareActionsTest, NamesWithTabNewlineBackslashOrInvalidUtf8SurviveACopy)
{
    const std::vector<std::string> names{"tab\there", "new\nline", "back\\slash",
                                         "bad\xff\xfe.txt"};
    for (const std::string& name : names)
        t.file("A/odd/" + name, "bytes of " + name, kOld);
    t.file("A/" + names.back(), "top", kNew);
    t.file("B/" + names.back(), "old top", kOld);
    compare();
    for (const ActionOutcome& outcome : run(plan(CopyChoice::UpdateB).plan))
        EXPECT_TRUE(outcome.done) << outcome.detail;
    for (const std::string& name : names)
        EXPECT_EQ(Read(t.path("B/odd/" + name)), "bytes of " + name);
    EXPECT_EQ(Read(t.path("B/" + names.back())), "top");
}

TEST_F(CompareActionsTest, OnlyMissingReplacesNothingAndAlikeRowsAreNeverCopied)
{
    t.file("A/differs.txt", "aaa", kNew);
    t.file("B/differs.txt", "bb", kOld);
    t.file("A/alike.txt", "same", kOld);
    t.file("B/alike.txt", "same", kOld);
    t.file("A/missing.txt", "m", kOld);
    compare();
    EXPECT_EQ(items(plan(CopyChoice::AToB, true).plan),
              (std::vector<std::string>{"copy A/missing.txt -> B/missing.txt"}));
    EXPECT_EQ(items(plan(CopyChoice::AToB).plan),
              (std::vector<std::string>{"replace A/differs.txt -> B/differs.txt",
                                        "copy A/missing.txt -> B/missing.txt"}));
    // B to A over A's newer file, as asked; B lacks nothing A could get.
    EXPECT_EQ(items(plan(CopyChoice::BToA).plan),
              (std::vector<std::string>{"replace B/differs.txt -> A/differs.txt"}));
}

} // namespace
} // namespace quorvex
