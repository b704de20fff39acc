// The duplicate and identical-file searches when the file system fails under them:
// folders that cannot be listed are told and contribute nothing; the rest is found.
#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

#include "DupTestSupport.h"
#include "duplicates/DupSearch.h"
#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

struct UnreadObserver : RunObserver
{
    void cannotRead(const std::string& path, const std::string& reason) override
    {
        unread.push_back(path + ": " + reason);
    }
    std::vector<std::string> unread;
};

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
    UnreadObserver observer;
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

} // namespace
} // namespace quorvex
