// A saved duplicate or identical-file list opened again: the same bytes when saved
// again, rows whose files vanished or changed marked and never acted on (nor the rows
// of a group whose kept file is not as listed), and malformed lists refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "duplicates/DupSearch.h"
#include "duplicates/DupTable.h"
#include "duplicates/DupTableReader.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

constexpr std::string_view kReference = "基準";

class DupTableReaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* time = "2024-03-04 05:06:07";
        t.file("d/a", "same words!!", time);
        t.file("d/sub/b", "same words!!", time);
        t.file("d/sub/c", "same words!!", time);
        t.file("d/x", "other text\n", time);
        t.file("d/sub/y", "other text\n", time);
        t.file("d/near", "same wordz!!", time); // 2 of 3 words equal
    }

    // The list of a search at `threshold`, as saved in `format`.
    std::string saved(int threshold, OutputFormat format)
    {
        DupList list;
        const DupSearchParams params{filters, threshold, observer};
        EXPECT_TRUE(StartDupSearch("", t.path("d"), params, list).ran);
        return DupTable(list, kReference).render(format);
    }

    FilterSettings filters;
    test::RecordingObserver observer;
    test::TempTree t;
};

TEST_F(DupTableReaderTest, AReopenedListSavesTheSameBytesAndItsRowsCheck)
{
    for (int threshold : {100, 60})
        for (OutputFormat format : {OutputFormat::Tsv, OutputFormat::Json}) {
            const std::string text = saved(threshold, format);
            DupList list;
            ASSERT_EQ(ReadDupTable(text, list), "") << text;
            EXPECT_EQ(DupTable(list, kReference).render(format), text);
            for (const TDupRecord& record : list.records())
                EXPECT_EQ(record.check, DiskCheck::AsListed) << list.RecordPath(record);
            EXPECT_EQ(ReopenedScope(list).threshold, threshold == 100 ? 100 : 66);
        }
}

TEST_F(DupTableReaderTest, VanishedAndChangedFilesAreMarkedAndNeverActedOn)
{
    const std::string text = saved(100, OutputFormat::Tsv);
    std::filesystem::remove(t.path("d/sub/b"));
    t.file("d/sub/y", "other text!\n", "2024-03-04 05:06:07"); // grown
    t.setTime("d/sub/c", "2024-03-04 05:07:00");               // a minute later
    DupList list;
    ASSERT_EQ(ReadDupTable(text, list), "");
    EXPECT_EQ(DupTable(list, kReference).render(OutputFormat::Tsv), text);
    std::map<std::string, DiskCheck> checks;
    for (const TDupRecord& record : list.records())
        checks[list.name(record)] = record.check;
    EXPECT_EQ(checks, (std::map<std::string, DiskCheck>{{"a", DiskCheck::AsListed},
                                                        {"b", DiskCheck::Vanished},
                                                        {"c", DiskCheck::Changed},
                                                        {"x", DiskCheck::AsListed},
                                                        {"y", DiskCheck::Changed}}));

    // Every row but the references chosen: group a keeps a and acts on neither b
    // nor c; group x, whose copy y changed, is left whole.
    const DupPlan planned = PlanForRows(list, ReopenedScope(list),
                                        RowsToActOn(list, KeepRule::Reference), ActionKind::Trash);
    EXPECT_TRUE(planned.plan.items.empty());
    EXPECT_EQ(planned.notAsListed.size(), 3u);

    // A kept file that changed keeps its whole group: x's copy y is not trashed.
    t.file("d/sub/y", "other text\n", "2024-03-04 05:06:07");
    t.setTime("d/x", "2024-03-04 05:08:00");
    ASSERT_EQ(ReadDupTable(text, list), "");
    const DupPlan keptChanged = PlanForRows(
        list, ReopenedScope(list), RowsToActOn(list, KeepRule::Reference), ActionKind::Trash);
    ASSERT_EQ(keptChanged.notAsListed.size(), 3u);
    EXPECT_STREQ(list.name(list[keptChanged.notAsListed.back()]), "y");
}

TEST_F(DupTableReaderTest, AMalformedListIsRefusedWithTheRowAndCell)
{
    const auto error = [](const std::string& row) {
        DupList list;
        const std::string message = ReadDupTable(row, list);
        EXPECT_EQ(list.empty(), !message.empty());
        return message;
    };
    const std::string good = "a\t基準\t12\t2024/03/04 05:06\t/d/\t1\t1\n";
    EXPECT_EQ(error(good), "");
    EXPECT_EQ(error(good + "b\t101%\t12\t2024/03/04 05:06\t/d/\t1\t1\n"),
              "row 2: the content \"101%\" is not one this list can hold");
    EXPECT_EQ(error("a\t\t1x\t2024/03/04 05:06\t/d/\t\t\n"),
              "row 1: the size \"1x\" is not one this list can hold");
    EXPECT_EQ(error("a\t\t1\t2024/13/04 05:06\t/d/\t\t\n"),
              "row 1: the date \"2024/13/04 05:06\" is not one this list can hold");
    EXPECT_EQ(error("a\t\t1\t2024/03/04 05:06\td\t\t\n"),
              "row 1: the folder \"d\" is not one this list can hold");
    EXPECT_EQ(error("s/a\t\t1\t2024/03/04 05:06\t/d/\t\t\n"),
              "row 1: the name \"s/a\" is not one this list can hold");
    EXPECT_EQ(error("a\t\t1\t2024/03/04 05:06\t/d/\t0\t2\n"),
              "row 1: the group \"0\" is not one this list can hold");
    EXPECT_EQ(error("a\t\t1\t2024/03/04 05:06\t/d/\t\t2\n"),
              "row 1: the band \"2\" is not one this list can hold");
    EXPECT_EQ(error("a\t\t1\n"), "line 1: 3 fields instead of 7");
}

} // namespace
} // namespace quorvex
