// A saved empty-item list opened again: the same bytes when saved again, items that
// vanished, filled up or changed attributes marked and never deleted, and malformed
// lists refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "empty/EmptyItemDeletion.h"
#include "empty/EmptyItemSearch.h"
#include "empty/EmptyItemTable.h"
#include "empty/EmptyItemTableReader.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

TEST(EmptyItemTableReader, AReopenedListSavesTheSameBytesAndOnlyItemsAsListedAreDeleted)
{
    test::TempTree t;
    t.file("e/zero");
    t.file("e/gone");
    t.file("e/filled");
    t.dir("e/folder");
    t.dir("e/folder2");
    t.file("e/readonly");
    EmptyItemList found;
    std::size_t counter = 0;
    test::RecordingObserver observer;
    SearchEmptyItems(t.path("e"), counter, found, {}, observer);
    SortEmptyItemsByName(found);
    ASSERT_EQ(found.size(), 6u);

    for (OutputFormat format : {OutputFormat::Tsv, OutputFormat::Json}) {
        const std::string text = EmptyItemTable(found, "6 個").render(format);
        EmptyItemList list;
        std::string count;
        ASSERT_EQ(ReadEmptyItemTable(text, list, count), "");
        EXPECT_EQ(EmptyItemTable(list, count).render(format), text);
    }

    const std::string text = EmptyItemTable(found, "6 個").render(OutputFormat::Tsv);
    std::filesystem::remove(t.path("e/gone"));
    t.file("e/filled", "x");
    t.file("e/folder2/inside");
    t.setReadOnly("e/readonly", true);
    EmptyItemList list;
    std::string count;
    ASSERT_EQ(ReadEmptyItemTable(text, list, count), "");
    EXPECT_EQ(EmptyItemTable(list, count).render(OutputFormat::Tsv), text);
    std::vector<std::string> checks;
    for (const EmptyItemRecord& record : list)
        checks.push_back(record.Name + " " + std::to_string(static_cast<int>(record.check)));
    EXPECT_EQ(checks, (std::vector<std::string>{"filled 2", "folder 0", "folder2 2", "gone 1",
                                                "readonly 2", "zero 0"}));

    // Every row chosen: only the two still as listed are asked about and deleted.
    std::vector<std::string> asked;
    TrashList trash;
    const std::vector<std::size_t> deleted = DeleteEmptyItems(
        PlanEmptyItemDeletion(list, {0, 1, 2, 3, 4, 5}, ActionKind::TrashEmpty), trash,
        [&](const BatchItem& item) {
            asked.push_back(item.path);
            return BatchDecision::Proceed;
        },
        [](const BatchNote&) {});
    EXPECT_EQ(deleted, (std::vector<std::size_t>{5, 1}));
    EXPECT_EQ(asked, (std::vector<std::string>{t.path("e/zero"), t.path("e/folder")}));
    EXPECT_TRUE(std::filesystem::exists(t.path("e/readonly")));
}

TEST(EmptyItemTableReader, AMalformedListIsRefused)
{
    EmptyItemList list;
    std::string count;
    EXPECT_EQ(ReadEmptyItemTable("a\tA\t\n#count\t1 個\n", list, count),
              "row 1: the Path \"\" names no item");
    EXPECT_EQ(ReadEmptyItemTable("a\tA\t/x\n", list, count),
              "line 1: not the #count line with 1 value(s)");
    EXPECT_TRUE(list.empty());
}

} // namespace
} // namespace quorvex
