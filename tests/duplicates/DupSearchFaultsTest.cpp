// The duplicate and identical-file searches when the file system fails under them:
// folders that cannot be listed and files that cannot be read are told and
// contribute nothing; the rest is found.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <gtest/gtest.h>

#include "DupTestSupport.h"
#include "duplicates/DupSearch.h"
#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

TEST(DupSearchFaults, FoldersThatCannotBeListedAreToldAndAddNothing)
{
    test::TempTree t;
    for (const char* name : {"one", "locked/two", "broken/three", "open/four"})
        t.file(name, "same content");
    t.file("broken/other", "x");
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        return (point == platform::FaultPoint::List && path == t.path("locked/")) ||
               (point == platform::FaultPoint::ListNext && path == t.path("broken/three"));
    });
    FilterSettings filters;
    test::RecordingObserver observer;
    DupList list;
    const DupSearchParams params{filters, 100, observer};
    StartDupSearch({}, t.root(), params, list);
    EXPECT_EQ(test::Rows(list), (std::vector<std::string>{"one 基準 1 1", "four 100% 1 1"}));
    const std::vector<std::string> told{t.path("broken/") + ": " + std::strerror(EIO),
                                        t.path("locked/") + ": " + std::strerror(EACCES)};
    EXPECT_EQ(observer.unread, told);

    observer.unread.clear();
    StartDupSearch(t.path("one"), t.root(), params, list);
    platform::SetFaultHook(nullptr);
    EXPECT_EQ(test::Rows(list), (std::vector<std::string>{"one 100%  ", "four 100%  "}));
    EXPECT_EQ(observer.unread, told);
}

// Files that cannot be opened or read, and files that vanish or change between the
// walk and their turn, take part in no group and are told once each, whatever the
// search.
TEST(DupSearchFaults, FilesThatCannotBeReadOrVanishedAreTold)
{
    test::TempTree t;
    for (const char* name : {"a", "b", "broken", "gone", "grown", "locked"})
        t.file(name, "same content");
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        return (point == platform::FaultPoint::Open && path == t.path("locked")) ||
               (point == platform::FaultPoint::Read && path == t.path("broken"));
    });
    FilterSettings filters;
    test::RecordingObserver observer;
    // Once the walk has listed every file, two of them change under the search.
    observer.onPump = [&](int pumps) {
        if (pumps == 6) {
            std::remove(t.path("gone").c_str());
            t.file("grown", "same content, and more");
        }
    };
    // How the system words a missing file.
    platform::InputFile probe;
    EXPECT_FALSE(probe.open(t.path("never-there")));
    const std::string missing = platform::LastFailureText();
    const auto told = [&](bool grownTold) {
        std::vector<std::string> expected{t.path("broken") + ": " + std::strerror(EIO),
                                          t.path("gone") + ": " + missing,
                                          t.path("locked") + ": " + std::strerror(EACCES)};
        if (grownTold)
            expected.push_back(t.path("grown") + ": its size changed during the search");
        std::vector<std::string> unread = observer.unread;
        std::sort(unread.begin(), unread.end());
        std::sort(expected.begin(), expected.end());
        return unread == expected;
    };
    for (const int threshold : {100, 90}) {
        SCOPED_TRACE(threshold);
        for (const char* name : {"gone", "grown"})
            t.file(name, "same content");
        observer.pumps = 0;
        observer.unread.clear();
        DupList list;
        StartDupSearch({}, t.root(), {filters, threshold, observer}, list);
        EXPECT_EQ(test::Rows(list), (std::vector<std::string>{"a 基準 1 1", "b 100% 1 1"}));
        // Below 100 a file that grew is judged on what it holds now (too little alike).
        EXPECT_TRUE(told(threshold == 100)) << ::testing::PrintToString(observer.unread);
    }

    t.file("gone", "same content");
    observer.onPump = nullptr;
    observer.unread.clear();
    DupList list;
    const DupSearchParams params{filters, 100, observer};
    EXPECT_TRUE(StartDupSearch(t.path("locked"), t.root(), params, list).targetUnreadable);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(observer.unread,
              std::vector<std::string>{t.path("locked") + ": " + std::strerror(EACCES)});
    observer.unread.clear();
    const DupSearchRun found = StartDupSearch(t.path("a"), t.root(), params, list);
    platform::SetFaultHook(nullptr);
    EXPECT_FALSE(found.targetUnreadable);
    EXPECT_EQ(test::Rows(list), (std::vector<std::string>{"a 100%  ", "b 100%  ", "gone 100%  "}));
    EXPECT_EQ(observer.unread.size(), 2u); // broken and locked
}

} // namespace
} // namespace quorvex
