#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "compare/ComparisonEngine.h"
#include "compare/ComparisonWords.h"
#include "compare/PathCaption.h"
#include "support/RecordingObserver.h"
#include "support/SystemText.h"
#include "support/TempTree.h"

using namespace quorvex;

namespace {

// The rows are read in the command-line tool's words, as it prints them.
const ComparisonWords& kWords = SourceComparisonWords();

class ComparisonTest : public ::testing::Test
{
protected:
    ComparisonOutcome run(const std::string& a, const std::string& b, bool content = false)
    {
        return engine.StartComparison(t.path(a), t.path(b), content);
    }
    // The rows as "Name|cell0|...|cell6", separators written as '/'.
    std::vector<std::string> lines() const
    {
        std::vector<std::string> out;
        const ComparisonList& rows = engine.rows();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            std::string line = rows.name(rows[row], kWords);
            for (int index = 0; index < kCellCount; ++index)
                line += "|" + cell(row, index);
            out.push_back(test::Slashed(line));
        }
        return out;
    }
    // Cell `index` of row `row`, as the list shows it.
    std::string cell(std::size_t row, int index) const
    {
        const ComparisonList& rows = engine.rows();
        EXPECT_LT(row, rows.size());
        return row < rows.size() ? rows.cell(rows[row], index, kWords) : std::string();
    }
    test::TempTree t;
    FilterSettings filters;
    test::RecordingObserver observer;
    ComparisonEngine engine{filters, observer};
};

using Lines = std::vector<std::string>;

#ifndef _WIN32
// Removes `depth` nested folders "d" below `top`, relative to each other.
void removeChain(const std::string& top, int depth)
{
    std::vector<int> fds{::open(top.c_str(), O_DIRECTORY)};
    for (int i = 0; i < depth - 1 && fds.back() >= 0; ++i)
        fds.push_back(::openat(fds.back(), "d", O_DIRECTORY));
    for (auto it = fds.rbegin(); it != fds.rend(); ++it) {
        ::unlinkat(*it, "d", AT_REMOVEDIR);
        ::close(*it);
    }
}
#endif
const char* kTime = "2024-05-06 10:00:00";

} // namespace

TEST_F(ComparisonTest, RefusesMissingPathsAndFileAgainstFolder)
{
    t.file("f");
    t.dir("d");
    auto outcome = engine.StartComparison(t.path("nope"), t.path("d"), false);
    EXPECT_FALSE(outcome.carriedOut);
    EXPECT_EQ(outcome.refusal.reason, RefusalReason::UnknownSideA);
    EXPECT_EQ(outcome.refusal.path, t.path("nope"));
    const InputRefusal sideB = run("d", "nope").refusal;
    EXPECT_EQ(sideB.reason, RefusalReason::UnknownSideB);
    EXPECT_EQ(sideB.path, t.path("nope"));
    EXPECT_EQ(run("f", "d").refusal.reason, RefusalReason::FolderAgainstFile);
    EXPECT_TRUE(engine.rows().empty());
    EXPECT_EQ(engine.captionA(), "");
}

TEST_F(ComparisonTest, EmptyFoldersGiveNoRows)
{
    t.dir("A");
    t.dir("B");
    EXPECT_TRUE(run("A", "B", true).carriedOut);
    EXPECT_TRUE(engine.rows().empty());
    EXPECT_EQ(engine.contentHeader(kWords), "内容(%)");
}

TEST_F(ComparisonTest, RowsInPathOrderWithOneSidedEntries)
{
    t.file("A/top.txt", "0123456789", kTime);
    t.file("B/top.txt", "012345678901", kTime);
    t.file("A/both/in.txt", "x", kTime);
    t.file("B/both/in.txt", "x", kTime);
    t.file("B/both/a.txt", "b only", kTime);
    t.file("A/onlyA/deep/f", "", kTime);
    t.file("A/.git/config");
    t.file("B/.profile", "", kTime);
    t.dir("A/both", kTime);
    t.dir("B/both", kTime);
    filters.includeHidden = true;
    ASSERT_TRUE(run("A", "B").carriedOut);
    EXPECT_EQ(lines(), (Lines{
                           "なし|.profile||||||",
                           "top.txt|top.txt|小-大| 同| 同  A|-----||",
                           "both|both|| 同| 同  D||both|",
                           "なし|a.txt|||||both/|",
                           "in.txt|in.txt| 同| 同| 同  A|-----|both/|",
                           "onlyA|なし|||||onlyA|",
                           "deep|なし|||||onlyA/deep|",
                           "f|なし|||||onlyA/deep/|",
                       }));
    EXPECT_EQ(engine.RowCount(), 8);
    EXPECT_EQ(observer.overallMax, 11u); // 6 entries of A (not .git) + 5 of B
    EXPECT_EQ(observer.steps, 11u);
    // The same rows with the roots typed with a trailing separator.
    const Lines first = lines();
    engine.StartComparison(t.path("A/"), t.path("B/"), false);
    EXPECT_EQ(lines(), first);
}

// On either side: B's walk tells A's hidden counterpart from the attributes that
// A's walk left with B's listing.
TEST_F(ComparisonTest, HiddenAndSystemCounterpartsCountAsMissing)
{
    for (const char* name : {"A/f", "B/f", "A/g", "B/g"})
        t.file(name, "same", kTime);
    t.setDosAttrib("B/f", 0x22);
    t.setDosAttrib("A/g", 0x22);
    run("A", "B");
    EXPECT_EQ(lines(), (Lines{"f|なし||||||", "なし|g||||||"}));
    filters.includeHidden = true;
    run("A", "B");
    EXPECT_EQ(lines(), (Lines{"f|f| 同| 同|A-A/H|-----||", "g|g| 同| 同|A/H-A|-----||"}));
}

// A row costs its small record and its name: the files of a folder share one path
// cell instead of each holding its path.
TEST_F(ComparisonTest, RowsOfAFolderShareOnePathCell)
{
    for (int file = 0; file < 40; ++file) {
        t.file("A/sub/" + std::to_string(file), "x", kTime);
        t.file("B/sub/" + std::to_string(file), "x", kTime);
    }
    t.file("B/sub/b-only", "x", kTime);
    run("A", "B");
    const ComparisonList& rows = engine.rows();
    ASSERT_EQ(rows.size(), 42u);
    EXPECT_EQ(cell(41, 5), test::Native("sub/"));
    EXPECT_EQ(cell(41, 0), "b-only");
    // "sub" for the folder row, "sub/" for the files of each side's walk.
    EXPECT_LE(rows.pathCells().size(), 3u);
    EXPECT_LE(sizeof(ComparisonRow), 32u);
}

TEST_F(ComparisonTest, TimesCompareInTwoSecondStepsAndFileModeByDay)
{
    t.file("A/x", "1", "2024-05-06 09:00:00");
    t.file("B/x", "1", "2024-05-06 17:00:00");
    t.file("A/y", "1", "2024-05-06 10:00:00");
    t.file("B/y", "1", "2024-05-06 10:00:01");
    t.file("A/old", "1", "1975-01-01 00:00:00");
    t.file("B/old", "1", "1979-12-31 00:00:00");
    run("A", "B");
    EXPECT_EQ(lines(), (Lines{"old|old| 同| 同| 同  A|-----||", "x|x| 同|旧-新| 同  A|-----||",
                              "y|y| 同| 同| 同  A|-----||"}));
    ASSERT_TRUE(run("A/x", "B/x").carriedOut);
    EXPECT_EQ(lines(), (Lines{"x|x| 同| 同| 同  A|-------||"}));
    EXPECT_EQ(engine.RootA(), t.path("A"));
    // Pre-1980 dates still tell their days apart in file mode.
    run("A/old", "B/old");
    EXPECT_EQ(lines(), (Lines{"old|old| 同|旧-新| 同  A|-------||"}));
}

TEST_F(ComparisonTest, TimesAfter2043CompareAsNewer)
{
    t.file("A/f", "1", "2050-01-01 00:00:00");
    t.file("B/f", "1", "2020-01-01 00:00:00");
    run("A", "B");
    EXPECT_EQ(cell(0, 2), "新-旧");
}

TEST_F(ComparisonTest, ContentHeaderIsTheAveragePercentage)
{
    t.file("A/same", "identical", kTime);
    t.file("B/same", "identical", kTime);
    run("A", "B", true);
    EXPECT_EQ(lines(), (Lines{"same|same| 同| 同| 同  A|100%||100"}));
    EXPECT_EQ(engine.contentHeader(kWords), "100%");
    // The time estimate goes by the bytes of A's files: all of them, all done.
    EXPECT_EQ(observer.workTotal, 9u);
    EXPECT_EQ(observer.workDone, 9u);
    t.dir("A/sub");
    t.dir("B/sub");
    run("A", "B", true);
    EXPECT_EQ(engine.PercentSum(), 200);
    EXPECT_EQ(engine.contentHeader(kWords), "100%");
    t.file("A/extra");
    run("A", "B", true);
    EXPECT_EQ(engine.RowCount(), 3);
    EXPECT_EQ(engine.contentHeader(kWords), "66%");
    run("A", "B", false);
    EXPECT_EQ(engine.contentHeader(kWords), "内容(%)");
}

#ifndef _WIN32 // FIFOs, links and names that are bytes exist on Linux only
TEST_F(ComparisonTest, FilePairThatCannotBeReadShowsMinusOne)
{
    t.file("A/p", "data");
    t.fifo("B/p");
    filters.includeSystem = true;
    run("A", "B", true);
    EXPECT_EQ(cell(0, 4), "-1%");
    EXPECT_EQ(cell(0, 6), "");
    EXPECT_EQ(engine.PercentSum(), -1);
    EXPECT_EQ(observer.unread, (Lines{t.path("B/p") + ": not a regular file"}));
    run("A/p", "B/p", true);
    EXPECT_EQ(lines(), (Lines{"p|p|大-小| 同|A-S|-1%||"}));
}

TEST_F(ComparisonTest, FilesThatCannotBeOpenedShowMinusOneAndAreTold)
{
    for (const char* side : {"A", "B"}) {
        const std::string s = side;
        t.file(s + "/locked", "data", kTime);
        t.file(s + "/open", "data", kTime);
        t.file(s + "/sub/closed", "data", kTime);
        t.dir(s + "/sub", kTime);
    }
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        return (point == platform::FaultPoint::Open && path == t.path("A/locked")) ||
               (point == platform::FaultPoint::List &&
                path.find(test::Native("/A/sub")) != path.npos);
    });
    run("A", "B", true);
    platform::SetFaultHook(nullptr);
    EXPECT_EQ(lines(), (Lines{"locked|locked| 同| 同| 同  A|-1%||",
                              "open|open| 同| 同| 同  A|100%||100", "sub|sub|| 同| 同  D||sub|"}));
    // In the order of the walk: the files of a folder before its subfolders.
    EXPECT_EQ(observer.unread, (Lines{t.path("A/locked") + ": " + std::strerror(EACCES),
                                      t.path("A/sub/") + ": " + std::strerror(EACCES)}));
}

TEST_F(ComparisonTest, AListingThatBreaksOffContributesNoRowsAndIsTold)
{
    t.file("A/sub/a", "1", kTime);
    t.file("A/sub/b", "1", kTime);
    t.file("B/sub/a", "1", kTime);
    t.file("B/sub/b", "1", kTime);
    t.dir("A/sub", kTime);
    t.dir("B/sub", kTime);
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        return point == platform::FaultPoint::ListNext && path == t.path("A/sub/b");
    });
    run("A", "B");
    platform::SetFaultHook(nullptr);
    // A's sub shows only as a folder; B's files, whose counterparts cannot be known,
    // are not claimed to be missing on A either.
    ASSERT_EQ(engine.rows().size(), 1u);
    EXPECT_EQ(engine.rows().name(engine.rows()[0], kWords), "sub");
    EXPECT_EQ(observer.unread, (Lines{t.path("A/sub/") + ": " + std::strerror(EIO)}));
}

TEST_F(ComparisonTest, LinkedFoldersHaveARowButAreNotEntered)
{
    t.file("target/inner.txt");
    t.dir("A");
    t.symlink("A/link", "../target");
    t.dir("B");
    run("A", "B");
    ASSERT_EQ(engine.rows().size(), 1u);
    EXPECT_EQ(cell(0, 5), "link");
}

TEST_F(ComparisonTest, NamesThatAreNotUtf8AreKeptByteForByte)
{
    const std::string name = "bad\xff\xfe.txt";
    t.file("A/" + name, "1", kTime);
    t.file("B/" + name, "1", kTime);
    run("A", "B", true);
    EXPECT_EQ(lines(), (Lines{name + "|" + name + "| 同| 同| 同  A|100%||100"}));
}

#endif

TEST_F(ComparisonTest, UnlistableFolderContributesNoRows)
{
    t.file("A/sub/f");
    t.file("B/sub/f");
    t.file("B/sub/g");
    platform::SetFaultHook([](platform::FaultPoint point, std::string_view path) {
        return point == platform::FaultPoint::List &&
               path.find(test::Native("/B/sub")) != path.npos;
    });
    run("A", "B");
    platform::SetFaultHook(nullptr);
    // B's sub cannot be listed: A's file is looked up one by one, B's own walk of it
    // yields nothing.
    EXPECT_EQ(engine.rows().size(), 2u);
    EXPECT_EQ(cell(1, 0), "f");
    EXPECT_EQ(observer.unread, (Lines{t.path("B/sub/") + ": " + std::strerror(EACCES)}));
}

TEST_F(ComparisonTest, CancelDropsTheRestOfEveryFolderLevel)
{
    for (const char* side : {"A", "B"}) {
        const std::string s = side;
        t.file(s + "/1.txt", "abcd", kTime);
        t.file(s + "/d1/in1", "abcd", kTime);
        t.file(s + "/d1/in2", "abcd", kTime);
        t.file(s + "/d1/sub/deep", "abcd", kTime);
        t.file(s + "/d1/sub2/deep", "abcd", kTime);
        t.file(s + "/d2/late", "abcd", kTime);
        for (const char* folder : {"/d1/sub", "/d1/sub2", "/d1", "/d2"})
            t.dir(s + folder, kTime);
    }
    t.file("B/zb.txt", "abcd", kTime);
    // After the counting passes (one pump before each of the ten folders listed) and
    // the files 1.txt and d1/in1.
    observer.cancelAfterPumps = 12;
    run("A", "B", true);
    // Files of a folder being listed are still handled and the first subfolder of
    // each level is still walked; contents not compared before the cancel give 0.
    EXPECT_EQ(lines(), (Lines{"1.txt|1.txt| 同| 同| 同  A|0%||0", "なし|zb.txt||||||",
                              "d1|d1|| 同| 同  D||d1|", "in1|in1| 同| 同| 同  A|0%|d1/|0",
                              "in2|in2| 同| 同| 同  A|0%|d1/|0", "sub|sub|| 同| 同  D||d1/sub|",
                              "deep|deep| 同| 同| 同  A|0%|d1/sub/|0"}));
}

// Before the first row both trees are listed whole: the window is let answer before
// every listing, the first one included, not only once the rows begin.
TEST_F(ComparisonTest, EveryFolderIsListedAfterAPump)
{
    for (const char* side : {"A", "B"})
        for (const char* folder : {"/1/2/3", "/4", "/5/6"})
            t.dir(std::string(side) + folder);
    std::vector<std::string> events;
    observer.onPump = [&](int) { events.emplace_back("pump"); };
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        if (point == platform::FaultPoint::List)
            events.emplace_back(path);
        return false;
    });
    run("A", "B");
    platform::SetFaultHook(nullptr);
    ASSERT_EQ(std::ranges::count_if(events, [](const std::string& e) { return e != "pump"; }), 14);
    for (std::size_t i = 0; i < events.size(); ++i)
        if (events[i] != "pump") {
            EXPECT_TRUE(i > 0 && events[i - 1] == "pump") << events[i] << " listed without a pump";
        }
}

#ifndef _WIN32 // made relative to open folders, a POSIX way
TEST_F(ComparisonTest, DeepTreesDoNotExhaustTheStack)
{
    // 3,000 nested folders, made relative to each other since the full path grows
    // beyond what one system call accepts; those deeper than that cannot be listed.
    // On a memory file system where there is one: deep trees are slow to remove on disk.
    std::string base =
        ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/qv-deep-XXXXXX" : t.path("XXXXXX");
    ASSERT_NE(::mkdtemp(base.data()), nullptr);
    const std::string a = base + "/A", b = base + "/B";
    ASSERT_EQ(::mkdir(a.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(b.c_str(), 0755), 0);
    int fd = ::open(a.c_str(), O_DIRECTORY);
    for (int depth = 0; depth < 3000 && fd >= 0; ++depth) {
        ASSERT_EQ(::mkdirat(fd, "d", 0755), 0);
        const int next = ::openat(fd, "d", O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    ::close(fd);
    const bool carriedOut = engine.StartComparison(a, b, false).carriedOut;
    removeChain(a, 3000);
    ::rmdir(a.c_str());
    ::rmdir(b.c_str());
    ::rmdir(base.c_str());
    ASSERT_TRUE(carriedOut);
    const auto& rows = engine.rows();
    EXPECT_GT(rows.size(), 1500u);
    for (std::size_t i = 1; i < rows.size(); ++i)
        ASSERT_EQ(cell(i, 5), cell(i - 1, 5) + "/d");
}

#endif

TEST(PathCaption, DotsPerLevelAndTheLastComponent)
{
#ifdef _WIN32
    const std::string root = "C:";
    EXPECT_EQ(AbbreviatePathCaption("D:\\"), "D:\\");
    EXPECT_EQ(AbbreviatePathCaption("C:\\Data\\Photos"), "C:\\..[Photos]");
    EXPECT_EQ(AbbreviatePathCaption("C:\\Data\\Photos\\"), "C:\\..[Photos]");
    EXPECT_EQ(AbbreviatePathCaption("C:\\Data\\a.txt"), "C:\\.[a.txt]");
#else
    const std::string root;
    EXPECT_EQ(AbbreviatePathCaption("/"), "/");
    EXPECT_EQ(AbbreviatePathCaption("/data/photos"), "/..[photos]");
    EXPECT_EQ(AbbreviatePathCaption("/data/photos/"), "/..[photos]");
    EXPECT_EQ(AbbreviatePathCaption("/no/such/a.txt"), "/..[a.txt]");
#endif
    const std::string head = root + test::kSeparator;
    std::string deep = root;
    for (int i = 0; i < 40; ++i)
        deep += test::Native("/x");
    EXPECT_EQ(AbbreviatePathCaption(deep), head + std::string(30, '.') + "[x]");
    // A dotted name counts as a level when it is an existing folder.
    test::TempTree t;
    const std::string dots(std::count(t.root().begin(), t.root().end(), test::kSeparator), '.');
    const std::string treeHead = t.root().substr(0, head.size());
    EXPECT_EQ(AbbreviatePathCaption(t.dir("v1.2")), treeHead + dots + "[v1.2]");
    EXPECT_EQ(AbbreviatePathCaption(t.path("v1.2/x.txt")), treeHead + dots + "[x.txt]");
    // A relative path is shown from the current folder, never as the root alone.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(t.root()));
    EXPECT_EQ(AbbreviatePathCaption("v1.2"), treeHead + dots + "[v1.2]");
    std::filesystem::current_path(before);
}
