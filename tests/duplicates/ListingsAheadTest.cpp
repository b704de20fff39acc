// Folders listed ahead by helpers reach the walk in the order it pushed them, each
// with its own listing or the reason it has none.
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "duplicates/ListingsAhead.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

// A depth-first walk: each folder and the names it holds, one line each.
std::vector<std::string> Walk(const std::string& root, unsigned helpers)
{
    ListingsAhead pending(helpers);
    pending.push(root);
    pending.push(root + "missing" + platform::kSeparator);
    std::vector<std::string> lines;
    ListingsAhead::Listing listing;
    while (!pending.empty()) {
        pending.pop(listing);
        std::string line = listing.folder.substr(root.size()) + ":";
        if (!listing.listed)
            line += listing.failure.empty() ? " (no reason)" : " cannot be listed";
        std::vector<std::string> subfolders;
        for (const platform::DirEntry& entry : listing.entries) {
            line += " " + entry.name;
            if (entry.isDirectory() && !entry.isDotName())
                subfolders.push_back(entry.name);
        }
        lines.push_back(line);
        for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it)
            pending.push(listing.folder + *it + platform::kSeparator);
    }
    return lines;
}

TEST(ListingsAhead, HelpersChangeNeitherOrderNorListings)
{
    test::TempTree t;
    // More folders at one level than are listed ahead, and some depth below them.
    for (int i = 0; i < 3 * static_cast<int>(ListingsAhead::kListedAhead); ++i)
        t.file("wide/" + std::to_string(i) + "/deep/f" + std::to_string(i), "x");
    const std::vector<std::string> alone = Walk(t.root(), 0);
    ASSERT_EQ(alone.size(), 2 + 1 + 2 * 3 * ListingsAhead::kListedAhead);
    const std::string sep(1, platform::kSeparator);
    EXPECT_EQ(alone.front(), "missing" + sep + ": cannot be listed");
    EXPECT_EQ(alone[1], ": . .. wide");
    EXPECT_EQ(alone.back(), "wide" + sep + "99" + sep + "deep" + sep + ": . .. f99");
    EXPECT_EQ(Walk(t.root(), 3), alone);

    // A helper slow to list a folder the walk is about to take: the walk waits for
    // the whole listing.
    const std::thread::id walker = std::this_thread::get_id();
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        if (point == platform::FaultPoint::List && path == t.path("wide/1/") &&
            std::this_thread::get_id() != walker)
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return false;
    });
    EXPECT_EQ(Walk(t.root(), 3), alone);
    platform::SetFaultHook(nullptr);
}

TEST(ListingsAhead, HelpersHoldNoMoreThanTheirShareOfEntriesAheadOfTheWalk)
{
    test::TempTree t;
    constexpr int kFolders = 300, kFilesEach = 100; // more entries than may wait ahead
    for (int i = 0; i < kFolders; ++i)
        for (int k = 0; k < kFilesEach; ++k)
            t.file("f" + std::to_string(i) + "/" + std::to_string(k), "");
    const std::thread::id walker = std::this_thread::get_id();
    std::atomic<int> listedByHelpers = 0;
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view) {
        if (point == platform::FaultPoint::List && std::this_thread::get_id() != walker)
            ++listedByHelpers;
        return false;
    });
    {
        ListingsAhead pending(1);
        for (int i = kFolders - 1; i >= 0; --i)
            pending.push(t.path("f" + std::to_string(i) + "/"));
        // The walk stands still: the helper lists ahead until its share is full.
        int seen = -1;
        while (seen != listedByHelpers) {
            seen = listedByHelpers;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    platform::SetFaultHook(nullptr);
    const int entriesEach = kFilesEach + 2; // with "." and ".."
    EXPECT_GT(listedByHelpers, 0);
    EXPECT_LE(listedByHelpers, static_cast<int>(ListingsAhead::kEntriesAhead) / entriesEach + 1);
}

} // namespace
} // namespace quorvex
