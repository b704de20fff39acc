// A saved comparison opened again for the same A and B: the same bytes when saved
// again (folders with and without contents, two files), rows whose entries vanished,
// appeared or changed marked, and lists of other paths or malformed ones refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/ResultWriter.h"
#include "compare/ComparisonTable.h"
#include "compare/ComparisonTableReader.h"
#include "compare/ComparisonWords.h"
#include "compare/PathCaption.h"
#include "support/RecordingObserver.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

const ComparisonWords& kWords = SourceComparisonWords();
const char* kTime = "2024-05-06 10:00:00";

class ComparisonTableReaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t.file("A/same", "1234", kTime);
        t.file("B/same", "1234", kTime);
        t.file("A/sub/grows", "12", kTime);
        t.file("B/sub/grows", "1234", "2024-05-06 11:00:00");
        t.file("A/onlyA", "x", kTime);
        t.file("B/onlyB", "x", kTime);
        t.dir("A/sub/deeper", kTime);
        t.dir("B/sub/deeper", kTime);
        sameFolderTimes();
    }
    // The folders' times, which their entries' changes move, as the rows saw them.
    void sameFolderTimes() const
    {
        t.setTime("A/sub", kTime);
        t.setTime("B/sub", kTime);
    }

    std::string saved(const std::string& a, const std::string& b, bool content, OutputFormat format)
    {
        EXPECT_TRUE(engine.StartComparison(t.path(a), t.path(b), content).carriedOut);
        return ComparisonTable(engine, kWords).render(format);
    }
    std::string reopened(const std::string& text, const std::string& a, const std::string& b)
    {
        return ReadComparisonTable(text, t.path(a), t.path(b), kWords, opened);
    }
    // "name check" per row of the opened list.
    std::vector<std::string> checks() const
    {
        std::vector<std::string> out;
        const ComparisonList& rows = opened.rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            out.push_back(std::string(rows.displayName(rows[i])) + " " +
                          std::to_string(static_cast<int>(rows[i].check())));
        return out;
    }

    test::TempTree t;
    FilterSettings filters;
    test::RecordingObserver observer;
    ComparisonEngine engine{filters, observer};
    ComparisonEngine opened{filters, observer};
};

TEST_F(ComparisonTableReaderTest, AReopenedComparisonSavesTheSameBytesAndItsRowsCheck)
{
    for (bool content : {false, true})
        for (OutputFormat format : {OutputFormat::Tsv, OutputFormat::Json}) {
            const std::string text = saved("A", "B", content, format);
            ASSERT_EQ(reopened(text, "A", "B"), "") << text;
            EXPECT_EQ(ComparisonTable(opened, kWords).render(format), text);
            EXPECT_EQ(checks(), (std::vector<std::string>{"onlyA 0", "onlyB 0", "same 0", "sub 0",
                                                          "grows 0", "deeper 0"}));
            EXPECT_EQ(opened.RootA(), t.path("A"));
        }
    const std::string files = saved("A/sub/grows", "B/sub/grows", true, OutputFormat::Tsv);
    ASSERT_EQ(reopened(files, "A/sub/grows", "B/sub/grows"), "");
    EXPECT_EQ(ComparisonTable(opened, kWords).render(OutputFormat::Tsv), files);
    EXPECT_EQ(checks(), (std::vector<std::string>{"grows 0"}));
}

TEST_F(ComparisonTableReaderTest, AListInTheProgramsOwnWordsOpensInAnotherLanguage)
{
    const std::string text = saved("A", "B", false, OutputFormat::Tsv);
    const ComparisonWords english{"Larger", "Smaller",   "Newer",    "Older",
                                  "Same",   "(missing)", "Match (%)"};
    EXPECT_EQ(ReadComparisonTable(text, t.path("A"), t.path("B"), english, opened), "");
    EXPECT_EQ(ComparisonTable(opened, english).render(OutputFormat::Tsv).find("大-小"),
              std::string::npos);
    EXPECT_EQ(ComparisonTable(opened, kWords).render(OutputFormat::Tsv), text);
}

TEST_F(ComparisonTableReaderTest, EntriesThatVanishedAppearedOrChangedAreMarked)
{
    const std::string text = saved("A", "B", false, OutputFormat::Tsv);
    std::filesystem::remove(t.path("B/onlyB"));
    t.file("B/onlyA", "x", kTime);    // appeared on B
    t.file("A/same", "12345", kTime); // grew
    std::filesystem::remove(t.path("B/sub/deeper"));
    t.file("B/sub/deeper", "", kTime);               // a file where a folder was
    t.setTime("A/sub/grows", "2024-05-06 12:00:00"); // now newer than B's
    sameFolderTimes();
    ASSERT_EQ(reopened(text, "A", "B"), "");
    EXPECT_EQ(ComparisonTable(opened, kWords).render(OutputFormat::Tsv), text);
    EXPECT_EQ(checks(), (std::vector<std::string>{"onlyA 2", "onlyB 1", "same 2", "sub 0",
                                                  "grows 2", "deeper 1"}));

    // Without B no row can be checked.
    std::filesystem::rename(t.path("B"), t.path("C"));
    ASSERT_EQ(reopened(text, "A", "B"), "");
    for (const std::string& check : checks())
        EXPECT_TRUE(check.ends_with(" 1")) << check;
}

TEST_F(ComparisonTableReaderTest, AListOfOtherPathsOrWithCellsNoRowShowsIsRefused)
{
    const std::string text = saved("A", "B", false, OutputFormat::Tsv);
    const std::string a = AbbreviatePathCaption(t.path("A")),
                      b = AbbreviatePathCaption(t.path("B"));
    EXPECT_EQ(reopened(text, "B", "A"),
              "the list compares " + a + " with " + b + ", not " + b + " with " + a);
    EXPECT_EQ(opened.rows().size(), 0u);
    const std::string extras = "#columns\t" + TsvField(a) + "\t" + TsvField(b) + "\n";
    EXPECT_EQ(reopened("x\tx\t大\t 同\t 同\t-----\t\t\n" + extras + "#header\t内容(%)\n", "A", "B"),
              "row 1: cells that no comparison row shows");
    EXPECT_EQ(
        reopened("x\tx\t 同\t 同\tQ-A\t-----\t\t\n" + extras + "#header\t内容(%)\n", "A", "B"),
        "row 1: cells that no comparison row shows");
    EXPECT_EQ(reopened("x\tx\t 同\t 同\t 同\t50%\t\t\n" + extras + "#header\t内容(%)\n", "A", "B"),
              "row 1: cells that no comparison row shows");
    // Entries outside the roots.
    for (const char* row : {"x\tx\t\t\t\t-----\t../\t\n", "x\tx\t\t\t\t-----\t/etc/\t\n",
                            "x/../y\tなし\t\t\t\t\ta/\t\n"})
        EXPECT_EQ(reopened(row + extras + "#header\t内容(%)\n", "A", "B"),
                  "row 1: cells that no comparison row shows")
            << row;
    EXPECT_EQ(reopened(extras + "#header\t101%\n", "A", "B"),
              "the content header \"101%\" is not one a comparison shows");
}

} // namespace
} // namespace quorvex
