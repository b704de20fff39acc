#include <gtest/gtest.h>

#include <string>

#include "DupTestSupport.h"
#include "duplicates/DupSort.h"
#include "duplicates/DupTable.h"
#include "duplicates/SizeText.h"

using namespace quorvex;
using quorvex::test::MakeList;
using quorvex::test::Rows;
using Strings = std::vector<std::string>;

namespace {

constexpr std::int16_t kRef = kContentReference;

// A duplicate result as a search leaves it: groups 1, 4 and 9.
DupList SearchResult()
{
    DupList list = MakeList({{"a", kRef, 1},
                             {"b", 100, 1},
                             {"c", kRef, 4},
                             {"d", 87, 4},
                             {"e", 100, 4},
                             {"f", kRef, 9},
                             {"g", 95, 9}});
    AssignBands(list);
    return list;
}

} // namespace

TEST(DupSortTest, GroupOrderPutsTheReferenceFirstAndHigherPercentTextsLater)
{
    DupList list = MakeList({{"e", 100, 4},
                             {"g", 95, 9},
                             {"d", 87, 4},
                             {"c", kRef, 4},
                             {"f", kRef, 9},
                             {"b", 100, 1},
                             {"a", kRef, 1}});
    SortDupListByCell(list, 65536 + kCellGroup);
    AssignBands(list);
    // Within a group the content texts come in reverse text order: 基準, 87%, 100%.
    EXPECT_EQ(Rows(list), (Strings{"a 基準 1 1", "b 100% 1 1", "c 基準 4 0", "d 87% 4 0",
                                   "e 100% 4 0", "f 基準 9 1", "g 95% 9 1"}));
}

TEST(DupSortTest, FirstClickOnGroupReversesTheNextRestores)
{
    DupList list = SearchResult();
    DupSortState state;
    state.sortColumn = 2;
    EXPECT_EQ(state.resetForSearch(), 2);
    EXPECT_EQ(state.clickColumn(list, DupSortState::kGroupColumn), DupSortState::kGroupColumn);
    EXPECT_EQ(state.sortDirection, 0);
    EXPECT_EQ(Rows(list), (Strings{"g 95% 9 1", "f 基準 9 1", "e 100% 4 0", "d 87% 4 0",
                                   "c 基準 4 0", "b 100% 1 1", "a 基準 1 1"}));
    state.clickColumn(list, DupSortState::kGroupColumn);
    EXPECT_EQ(state.sortDirection, 1);
    EXPECT_EQ(Rows(list), Rows(SearchResult()));
}

TEST(DupSortTest, UnclickedColumnsSortDescendingFirstAndBandsFollowTheNewOrder)
{
    DupList list = SearchResult();
    DupSortState state;
    state.clickColumn(list, 0); // flag 0: descending names
    EXPECT_EQ(Rows(list).front(), "g 95% 9 1");
    state.clickColumn(list, 0);
    EXPECT_EQ(state.sortColumn, 0);
    EXPECT_EQ(Rows(list), Rows(SearchResult()));

    state.clickColumn(list, 1); // content descending: 100% rows first, 基準 last
    EXPECT_EQ(Rows(list), (Strings{"b 100% 1 1", "e 100% 4 0", "g 95% 9 1", "d 87% 4 0",
                                   "a 基準 1 1", "c 基準 4 0", "f 基準 9 1"}));
}

TEST(DupSortTest, EmptyCellsFirstAndSizesAsSixtyFourBitNumbers)
{
    DupList list = MakeList(
        {{"big", -1, 0, (std::uint64_t{1} << 32) + 1}, {"judged", 50, 0, 7}, {"plain", -1, 0, 10}});
    SortDupListByCell(list, 65536 + kCellSize);
    EXPECT_EQ(Rows(list).front(), "judged 50%  ");
    EXPECT_EQ(Rows(list).back(), "big   ");
    SortDupListByCell(list, 65536 + kCellContent);
    EXPECT_EQ(Rows(list).back(), "judged 50%  ");

    // An identical-search result has no groups: every band becomes 0.
    AssignBands(list);
    for (const TDupRecord& record : list.records())
        EXPECT_EQ(BandText(record), "0");
}

TEST(DupSortTest, FolderOrderComparesTheFolderTexts)
{
    DupList list =
        MakeList({{"x", -1, 0, 1, "/b/"}, {"y", -1, 0, 1, "/a/z/"}, {"z", -1, 0, 1, "/a/"}});
    SortDupListByCell(list, 65536 + kCellFolder);
    EXPECT_EQ(list.RecordPath(list[0]), "/a/z");
    EXPECT_EQ(list.RecordPath(list[1]), "/a/z/y");
    EXPECT_EQ(list.RecordPath(list[2]), "/b/x");
}

TEST(DupListTest, RemovingRowsKeepsTheOtherRowsAndTheirCells)
{
    DupList list = SearchResult();
    list.removeRows({6, 0, 3, 3, 42});
    EXPECT_EQ(Rows(list), (Strings{"b 100% 1 1", "c 基準 4 0", "e 100% 4 0", "f 基準 9 1"}));
    EXPECT_EQ(list.RecordPath(list[3]), "/data/f");
}

TEST(DupListTest, RemovingUngroupedRowsKeepsNamesAndFoldersRight)
{
    DupList list =
        MakeList({{"lone", -1, 0, 1, "/x/"}, {"p", kRef, 2, 1, "/y/"}, {"q", 100, 2, 1, "/z/"}});
    list.removeUngrouped();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.RecordPath(list[0]), "/y/p");
    EXPECT_EQ(list.RecordPath(list[1]), "/z/q");
}

// The table makes each row's texts from the list as it writes them (a long list is
// never held twice), and keeps its own copy of the reference word.
TEST(DupListTest, TheTableWritesTheListAsItIsWhenWritten)
{
    DupList list = SearchResult();
    const ResultWriter table = DupTable(list, std::string("REF"));
    list[1].size = 12345;
    const std::string tsv = table.render(OutputFormat::Tsv);
    EXPECT_NE(tsv.find("a\tREF\t"), std::string::npos) << tsv;
    EXPECT_NE(tsv.find("b\t100%\t12345\t"), std::string::npos) << tsv;
}

TEST(SizeTextTest, BytesWithSeparatorsOrTheLargestUnit)
{
    EXPECT_EQ(SizeCellText(0, true), "0B");
    EXPECT_EQ(SizeCellText(999, true), "999B");
    EXPECT_EQ(SizeCellText(1234567, true), "1,234,567B");
    EXPECT_EQ(SizeCellText(UINT64_MAX, true), "18,446,744,073,709,551,615B");

    EXPECT_EQ(FormatSizeShort(0), "0B");
    EXPECT_EQ(FormatSizeShort(1000), "1000B");
    EXPECT_EQ(FormatSizeShort(1536), "1.5KB");
    EXPECT_EQ(FormatSizeShort(2048), "2KB");
    EXPECT_EQ(FormatSizeShort(1048576 + 10486), "1.01MB");
    EXPECT_EQ(FormatSizeShort(1073741824), "1GB");
    EXPECT_EQ(FormatSizeShort(1610612736), "1.5GB");
    EXPECT_EQ(SizeCellText(5368709120, false), "5GB");
}
