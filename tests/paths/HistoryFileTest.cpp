// The history files on every system: pruning, the limit, and names of every script
// kept through a save and a load (on Windows the file is in the ANSI code page when
// it can hold every name).

#include <gtest/gtest.h>

#include "paths/HistoryFile.h"
#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

TEST(HistoryFile, SavingKeepsTheNewestExistingPathsAndLoadingReadsThemBack)
{
    test::TempTree t;
    std::vector<std::string> entries{t.path("gone"), t.dir("日本語"), t.file("メモ.txt"),
                                     t.dir("한글")};
    for (int i = 0; i < 16; ++i)
        entries.push_back(t.dir("f" + std::to_string(i)));
    const std::string dataDir = t.path("data/taro/");

    ASSERT_TRUE(SaveHistory({t.path("missing"), entries[1], entries[2], entries[3]}, dataDir, 1));
    EXPECT_EQ(LoadHistory(dataDir, 1).lines,
              (std::vector<std::string>{entries[1], entries[2], entries[3]}));

    ASSERT_TRUE(SaveHistory(entries, dataDir, 2));
    const std::vector<std::string> loaded = LoadHistory(dataDir, 2).lines;
    ASSERT_EQ(loaded.size(), kHistoryLimit);
    EXPECT_EQ(loaded.front(), entries[entries.size() - kHistoryLimit]);
    EXPECT_EQ(loaded.back(), entries.back());
    EXPECT_EQ(LoadHistory(dataDir, 3).read, platform::StateFileRead::Missing);
}

TEST(HistoryFile, LinesThatNameNoPathAreKeptAsideBeforeASaveDropsThem)
{
    test::TempTree t;
    const std::string dataDir = t.path("data/");
    std::string noise;
    for (int i = 0; i < 2000; ++i)
        noise += static_cast<char>((i * 7919) % 251);
    t.file("data/data1.txt", noise);
    ASSERT_TRUE(SaveHistory(LoadHistory(dataDir, 1).lines, dataDir, 1));
    EXPECT_EQ(platform::ReadWholeFile(dataDir + "data1.txt.damaged-1"), noise);
    EXPECT_EQ(platform::ReadWholeFile(dataDir + "data1.txt"), "");

    // Paths that no longer exist are dropped as they always were, without a copy.
    t.file("data/data2.txt", t.path("gone") + "\r\nrelative/gone\r\n" + t.root() + "\r\n");
    ASSERT_TRUE(SaveHistory(LoadHistory(dataDir, 2).lines, dataDir, 2));
    EXPECT_EQ(platform::ReadWholeFile(dataDir + "data2.txt"), t.root() + "\r\n");
    EXPECT_FALSE(platform::LookupEntry(dataDir + "data2.txt.damaged-1"));
}

} // namespace
} // namespace quorvex
