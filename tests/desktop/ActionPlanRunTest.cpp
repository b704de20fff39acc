// A plan carried out from a list, on a stand-in main window: the one confirmation
// with the count and the bytes, the run on the progress panel, the one message that
// names what was not done, the question before deleting for good, and the offer to
// look for folders that became empty.
#include "desktop/ActionPlanRun.h"

#include "actions/PlanTable.h"

#include "desktop/ProgressPanel.h"
#include "desktop/RunIndicatorObserver.h"
#include "support/PageHost.h"
#include "support/SameFile.h"
#include "support/ScopedDesktop.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Kind = ScriptedDialogs::Kind;
using quorvex::ActionKind;
using quorvex::PlannedAction;

bool exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() !=
           std::filesystem::file_type::not_found;
}

class ActionPlanRunTest : public ::testing::Test
{
protected:
    static constexpr const char* kTime = "2024-01-02 03:04:05";

    // A file made at kTime, listed with `size` (0: listed without size and time).
    std::string file(const std::string& relative, const std::string& content)
    {
        return tree.file(relative, content, kTime);
    }
    static PlannedAction trashItem(const std::string& path, std::uint64_t size = 0,
                                   bool folder = false)
    {
        PlannedAction item;
        item.path = path;
        item.folder = folder;
        if (size > 0)
            item.listed = quorvex::ListedFile{size, quorvex::test::LocalTimeToEpoch(kTime)};
        return item;
    }
    PlanRunResult run(const quorvex::ActionPlan& plan)
    {
        return ConfirmAndRunPlan(host.services(), progress, plan);
    }

    quorvex::test::TempTree tree;
    quorvex::test::ScopedDesktop desktop{tree.dir("desk")};
    ScriptedDialogs dialogs;
    PageHost host{dialogs, tree.path("data/"), Page::Duplicates};
    RunIndicatorObserver progress{host.services().progressPanel};
};

// The root of the system's file tree, which is never removed.
#ifdef _WIN32
constexpr const char* kRoot = "C:\\";
#else
constexpr const char* kRoot = "/";
#endif

TEST_F(ActionPlanRunTest, TrashAsksOnceAndNamesEveryItemNotDoneInOneMessage)
{
    const std::string a = file("s/a.txt", "12345");
    const std::string folder = tree.dir("s/box");
    const std::string inside = file("s/box/inner.txt", "i");
    quorvex::ActionPlan plan;
    plan.items = {trashItem(a, 5), trashItem(folder, 0, true), trashItem(inside, 1),
                  trashItem(tree.path("s/gone.txt"), 0), trashItem(kRoot, 0, true)};

    dialogs.scriptYesNo(false);
    EXPECT_FALSE(run(plan).confirmed);
    EXPECT_TRUE(exists(a) && exists(inside));

    dialogs.scriptYesNo(true);
    const PlanRunResult result = run(plan);
    EXPECT_EQ(dialogs.texts(Kind::YesNo).back(),
              QStringLiteral("5 個の項目（6 バイト）をごみ箱に移動しますか？"));
    ASSERT_TRUE(result.confirmed);
    // The file inside the folder went with the folder: done too.
    std::vector<bool> done;
    for (const auto& outcome : result.outcomes)
        done.push_back(outcome.done);
    EXPECT_EQ(done, (std::vector<bool>{true, true, true, false, false}));
    EXPECT_FALSE(exists(a) || exists(folder));
#ifndef _WIN32 // the Recycle Bin keeps its place to itself
    EXPECT_TRUE(exists(desktop.home + "/.local/share/Trash/files/box/inner.txt"));
#endif
    EXPECT_EQ(dialogs.texts(Kind::Message),
              QStringList{QStringLiteral("次の 2 個の項目はそのままです。\n\n") +
                          QString::fromStdString(tree.path("s/gone.txt")) +
                          QStringLiteral("\n見つかりません。\n\n") + QString::fromUtf8(kRoot) +
                          QStringLiteral("\n削除できません。")});
    EXPECT_TRUE(host.services().progressPanel.isHidden());
}

TEST_F(ActionPlanRunTest, AnItemThatCannotBeTrashedIsDeletedForGoodOnlyAfterAsking)
{
#ifdef _WIN32
    GTEST_SKIP() << "a trash folder that cannot be made, names in bytes and links are Linux's";
#endif
    // No trash can be made beneath a regular file.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(tree.file("not-a-folder") + "/share"));
    const std::string outside = tree.file("outside/precious.txt", "p");
    const std::string folder = tree.dir("odd\xff");
    tree.file("odd\xff/deep/a/b/file.txt", "x");
    tree.symlink("odd\xff/deep/link", "../../outside");
    const std::string other = file("other.txt", "o");
    quorvex::ActionPlan plan;
    plan.items = {trashItem(folder, 0, true), trashItem(other, 1)};

    // Declined for the folder: it stays, unnamed in a message; the next item is asked.
    for (bool answer : {true, false, true})
        dialogs.scriptYesNo(answer);
    PlanRunResult result = run(plan);
    EXPECT_EQ(result.outcomes[0].failure, quorvex::ActionFailure::Declined);
    EXPECT_TRUE(result.outcomes[1].done);
    EXPECT_TRUE(exists(folder + "/deep/a/b/file.txt"));
    EXPECT_FALSE(exists(other));
    EXPECT_TRUE(dialogs.texts(Kind::YesNo)[1].contains(QStringLiteral("完全に削除しますか？")));
    EXPECT_EQ(dialogs.count(Kind::Message), 0);

    plan.items.pop_back();
    dialogs.scriptYesNo(true);
    dialogs.scriptYesNo(true);
    result = run(plan);
    EXPECT_TRUE(result.outcomes[0].done);
    EXPECT_FALSE(exists(folder));
    EXPECT_TRUE(exists(outside)); // the link went, not what it led to
}

TEST_F(ActionPlanRunTest, AJournalFolderThatCannotBeMadeIsSaidOnceAndNothingIsAsked)
{
    tree.file("data/actions", "a file where the journal folder belongs");
    const std::string a = file("a.txt", "same"), b = file("b.txt", "same");
    PlannedAction link = trashItem(b, 4);
    link.kind = ActionKind::HardLink;
    link.kept = a;
    link.keptListed = link.listed;
    quorvex::ActionPlan plan;
    plan.items = {link};

    EXPECT_FALSE(run(plan).confirmed);
    EXPECT_EQ(dialogs.count(Kind::YesNo), 0);
    ASSERT_EQ(dialogs.count(Kind::Message), 1);
    EXPECT_TRUE(dialogs.texts(Kind::Message)[0].contains(QStringLiteral("actions")));
    EXPECT_FALSE(quorvex::test::SameFile(a, b));
}

TEST_F(ActionPlanRunTest, OnlyAFolderLeftEmptyBringsTheOfferOfTheEmptyItemSearch)
{
    const std::string a = file("s/one/a.txt", "a");
    const std::string b = file("s/two/b.txt", "b");
    tree.file("s/two/stays.txt", "c");
    quorvex::ActionPlan plan;
    plan.items = {trashItem(b, 1)};
    dialogs.scriptYesNo(true);
    PlanRunResult result = run(plan);
    OfferEmptyFolderSearch(host.services(), plan, result.outcomes, tree.path("s"));
    EXPECT_EQ(dialogs.count(Kind::YesNo), 1); // no offer: "two" still holds a file

    plan.items = {trashItem(a, 1)};
    dialogs.scriptYesNo(true);
    result = run(plan);
    dialogs.scriptYesNo(true);
    OfferEmptyFolderSearch(host.services(), plan, result.outcomes, tree.path("s"));
    EXPECT_TRUE(dialogs.texts(Kind::YesNo)
                    .back()
                    .contains(QStringLiteral("空のフォルダとファイルを探しますか？")));
    EXPECT_EQ(host.emptyItemSearches, std::vector<QString>{QString::fromStdString(tree.path("s"))});
}

// Under "詳細" the confirmation holds the rows that the command line prints for a dry
// run of the same plan: what a link frees, what a copy writes and where, the total.
TEST_F(ActionPlanRunTest, TheConfirmationShowsTheRowsOfTheDryRun)
{
    const std::string a = file("a.txt", "same"), b = file("b.txt", "same");
    PlannedAction link = trashItem(b, 4);
    link.kind = ActionKind::HardLink;
    link.kept = a;
    link.keptListed = link.listed;
    PlannedAction copy = trashItem(a, 4);
    copy.kind = ActionKind::Copy;
    copy.destination = tree.path("copies/a.txt");
    for (const PlannedAction& item : {link, copy}) {
        quorvex::ActionPlan plan;
        plan.items = {item};
        dialogs.scriptYesNo(false);
        EXPECT_FALSE(run(plan).confirmed);
        const DetailRows& details = dialogs.calls().back().details;
        EXPECT_EQ(details.columns.size(), 5);

        // The printed table doubles a backslash (of a Windows path); the dialog shows
        // names as they are.
        QStringList dryRun =
            QString::fromStdString(quorvex::PlanTable(plan, quorvex::PlanRowBytes(plan))
                                       .render(quorvex::OutputFormat::Tsv))
                .replace(QStringLiteral("\\\\"), QStringLiteral("\\"))
                .split(u'\n', Qt::SkipEmptyParts);
        const QString total = dryRun.takeLast().section(u'\t', 1);
        QStringList shown;
        for (const QStringList& row : details.rows)
            shown << row.join(u'\t');
        EXPECT_EQ(shown, dryRun);
        EXPECT_EQ(total, QStringLiteral("4"));
        EXPECT_TRUE(details.below.contains(total)) << details.below.toStdString();
    }
    EXPECT_FALSE(quorvex::test::SameFile(a, b));
    EXPECT_FALSE(exists(tree.path("copies/a.txt")));
}

} // namespace
