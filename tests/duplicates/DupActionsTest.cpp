// Acting on duplicate results: which file of a group stays, what a plan holds for
// the chosen rows (never every file of a group, never the kept file, links only at
// 100 %, moves keeping paths below the searched folders and within the destination),
// and the list after a run.
#include <gtest/gtest.h>

#include "DupTestSupport.h"
#include "duplicates/DupActions.h"
#include "platform/FileIdentity.h"
#include "support/SystemText.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

using test::interleaved;
using test::MakeList;
using Rows = std::vector<std::size_t>;

constexpr std::int16_t R = kContentReference;

// A path of the tests' lists as a plan holds it: absolute on this system (on Windows
// on the current drive, with its separators).
std::string Absolute(const char* path)
{
    return platform::AbsolutePath(path);
}

using PathPairs = std::vector<std::pair<std::string, std::string>>;

PathPairs Absolute(const PathPairs& pairs)
{
    PathPairs absolute;
    for (const auto& [path, kept] : pairs)
        absolute.emplace_back(platform::AbsolutePath(path), platform::AbsolutePath(kept));
    return absolute;
}

PathPairs PathsAndKept(const ActionPlan& plan)
{
    PathPairs items;
    for (const PlannedAction& item : plan.items)
        items.emplace_back(item.path, item.kept);
    return items;
}

TEST(DupActions, AGroupKeepsItsReferenceOrItsFirstRowNotChosenButNeverLosesAllItsFiles)
{
    const DupList list = interleaved();
    const DupSearchScope scope{{"/d"}, {}, 100};
    DupPlan planned = PlanForRows(list, scope, {2, 3}, ActionKind::HardLink);
    EXPECT_EQ(PathsAndKept(planned.plan), Absolute({{"/d/sub/b", "/d/a"}, {"/d/q", "/d/keep/p"}}));
    EXPECT_EQ(planned.plan.bytesFreed(), 20u);
    EXPECT_EQ(planned.plan.items[0].keptListed->lastWrite, 300);

    // The reference chosen: the first row left in its group stays.
    planned = PlanForRows(list, scope, {0, 2}, ActionKind::Trash);
    EXPECT_EQ(PathsAndKept(planned.plan),
              Absolute({{"/d/a", "/d/sub/c"}, {"/d/sub/b", "/d/sub/c"}}));
    // Every row chosen: each group's reference stays, and is counted as left out.
    planned = PlanForRows(list, scope, {0, 1, 2, 3, 4}, ActionKind::Trash);
    EXPECT_EQ(planned.keptBack, 2u);
    EXPECT_EQ(planned.plan.items.size(), 3u);
    for (const PlannedAction& item : planned.plan.items)
        EXPECT_NE(item.path, item.kept);
}

TEST(DupActions, IdenticalResultsKeepTheFileSearchedForAndLinksNeedAFullMatch)
{
    const DupList list = MakeList({{"t", 100, 0, 5, "/d/"}, {"u", 100, 0, 5, "/d/x/"}});
    DupPlan planned = PlanForRows(list, {{"/d"}, "/d/t", 100}, {0, 1}, ActionKind::SymbolicLink);
    EXPECT_EQ(planned.keptBack, 1u);
    EXPECT_EQ(PathsAndKept(planned.plan), Absolute({{"/d/x/u", "/d/t"}}));

    planned = PlanForRows(interleaved(), {{"/d"}, {}, 90}, {2}, ActionKind::Reflink);
    EXPECT_EQ(planned.refusal.reason, RefusalReason::LinksNeedFullMatch);
    EXPECT_TRUE(planned.plan.items.empty());
    EXPECT_TRUE(!PlanForRows(interleaved(), {{"/d"}, {}, 90}, {2}, ActionKind::Move, "/m").refusal);
}

TEST(DupActions, MovesKeepThePathBelowTheFolderHoldingAllSearchedFolders)
{
    const DupList list = MakeList({{"a", R, 1, 1, "/data/one/"},
                                   {"b", 100, 1, 1, "/data/two/deep/"},
                                   {"c", 100, 1, 1, "/data/one/x/"}});
    const DupPlan planned = PlanForRows(list, {{"/data/one", "/data/two/"}, {}, 100}, {1, 2},
                                        ActionKind::Move, "/aside");
    EXPECT_EQ(planned.plan.items[0].destination, Absolute("/aside/two/deep/b"));
    EXPECT_EQ(planned.plan.items[1].destination, Absolute("/aside/one/x/c"));

    // Folders given with "." and "..": no ".." of theirs leads out of the destination.
    const DupList climbing =
        MakeList({{"a", R, 1, 1, "/w/work/./"}, {"p", 100, 1, 1, "/w/work/../photos/"}});
    const DupPlan within = PlanForRows(climbing, {{"/w/work/.", "/w/work/../photos"}, {}, 100}, {1},
                                       ActionKind::Move, "/w/work/../trashbin//today/.");
    EXPECT_EQ(within.plan.items[0].destination, Absolute("/w/trashbin/today/photos/p"));
}

TEST(DupActions, KeepRulesChooseTheRowsThatDoNotStay)
{
    const DupList list = interleaved();
    EXPECT_EQ(RowsToActOn(list, KeepRule::Reference), (Rows{2, 3, 4}));
    EXPECT_EQ(RowsToActOn(list, KeepRule::Newest), (Rows{0, 1, 4}));
    EXPECT_EQ(RowsToActOn(list, KeepRule::Oldest), (Rows{2, 3, 4}));
    // Group 7 has a file in /d/keep/, group 1 none: group 1 stays whole.
    EXPECT_EQ(RowsToActOn(list, KeepRule::UnderFolder, "/d/keep/"), (Rows{3}));
}

#ifndef _WIN32
TEST(DupActions, ACopyInTheDesktopTrashIsNoCopyThatStays)
{
    test::TempTree t;
    const char* was = std::getenv("XDG_DATA_HOME");
    const std::string saved = was != nullptr ? was : "";
    ::setenv("XDG_DATA_HOME", t.dir("share").c_str(), 1);
    const std::string trash = t.dir("share/Trash/files") + "/";
    const std::string live = t.dir("d") + "/";
    t.file("share/Trash/files/a", "1234");
    t.file("d/a", "1234");
    t.file("d/b", "1234");
    const DupList list = MakeList({{"a", R, 1, 4, trash.c_str()},
                                   {"a", 100, 1, 4, live.c_str()},
                                   {"b", 100, 1, 4, live.c_str()}});

    DupPlan planned = TrashPlanForRows(list, {1, 2});
    ASSERT_EQ(planned.plan.items.size(), 2u);
    EXPECT_TRUE(planned.plan.items[0].lastCopy);
    EXPECT_EQ(planned.lastCopyGroups, 1u);
    planned = TrashPlanForRows(list, {1}); // b stays, outside the trash
    EXPECT_FALSE(planned.plan.items[0].lastCopy);
    if (was != nullptr)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}
#endif

TEST(DupActions, AfterARunTheListShowsWhatIsOnTheDisk)
{
    test::TempTree t;
    const std::string folder = t.dir("d") + test::Native("/");
    const std::string movedFolder = t.dir("moved") + test::Native("/");
    t.file("d/a", "1234");
    t.file("d/b", "1234");
    t.file("moved/c", "1234");
    DupList list = MakeList({{"a", R, 1, 4, folder.c_str()},
                             {"b", 100, 1, 4, folder.c_str()},
                             {"c", 100, 1, 4, folder.c_str()},
                             {"e", 100, 1, 4, folder.c_str()}});
    ActionPlan plan;
    for (std::size_t row : {1u, 2u, 3u}) {
        PlannedAction item;
        item.row = row;
        plan.items.push_back(item);
    }
    plan.items[0].kind = ActionKind::HardLink;
    plan.items[1].kind = ActionKind::Move;
    plan.items[2].kind = ActionKind::Trash;
    std::vector<ActionOutcome> outcomes(3);
    outcomes[0].done = outcomes[1].done = outcomes[2].done = true;
    outcomes[1].placedAt = movedFolder + "c";

    ApplyOutcomes(list, plan, outcomes);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].state, RowState::HardLinked);
    EXPECT_EQ(list[2].state, RowState::Moved);
    EXPECT_EQ(list.RecordPath(list[2]), movedFolder + "c");
    EXPECT_EQ(list[2].lastWrite, platform::LookupEntry(movedFolder + "c")->lastWrite.seconds);
    EXPECT_EQ(list[0].state, RowState::AsFound);
}

} // namespace
} // namespace quorvex
