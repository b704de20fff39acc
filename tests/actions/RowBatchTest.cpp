#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "actions/RowBatch.h"
#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

using test::TempTree;

// Answers with scripted decisions and records questions, notices and the rows done,
// each with the number of questions asked by then.
struct Script
{
    std::vector<BatchDecision> answers;
    std::vector<BatchAction> actions;
    std::vector<std::string> questions; // "file PATH" or "folder PATH"
    std::vector<BatchNote> notices;
    std::vector<std::pair<std::size_t, std::size_t>> done;

    BatchQuestion ask()
    {
        return [this](const BatchItem& item) {
            actions.push_back(item.action);
            questions.push_back((item.folder ? "folder " : "file ") + item.path);
            return answers.at(questions.size() - 1);
        };
    }
    BatchNotice notify()
    {
        return [this](const BatchNote& note) { notices.push_back(note); };
    }
    TrashRowDone rowDone()
    {
        return [this](std::size_t row) { done.emplace_back(row, questions.size()); };
    }
    std::vector<std::size_t> doneRows() const
    {
        std::vector<std::size_t> rows;
        for (const auto& [row, asked] : done)
            rows.push_back(row);
        return rows;
    }
};

TEST(RestoreTrashItems, RestoresFromTheLastRowAndKeepsFailedRows)
{
    TempTree t;
    const std::string existing = t.file("exists", "data");
    TrashList trash;
    trash.add(t.path("first"), 32);
    trash.add(existing, 32);
    trash.add(t.path("third/"), 16);
    const std::vector<std::string> rows = trash.entryPaths();
    Script script;
    script.answers.assign(3, BatchDecision::Proceed);
    RestoreTrashItems(trash, PlanTrashEntries(rows, {0, 1, 2}, ActionKind::Restore), script.ask(),
                      script.notify(), script.rowDone());

    // Each row is reported right after its own question, before the next one.
    EXPECT_EQ(script.done, (std::vector<std::pair<std::size_t, std::size_t>>{{2, 1}, {0, 3}}));
    EXPECT_EQ(trash.entries(), (std::vector<TrashEntry>{existing + "=32"}));
    EXPECT_EQ(script.actions[0], BatchAction::RestoreFromTrash);
    EXPECT_EQ(script.questions[0], "folder " + t.path("third/"));
    ASSERT_EQ(script.notices.size(), 1u);
    EXPECT_EQ(script.notices[0].problem, BatchProblem::RestoreFailed);
    EXPECT_EQ(script.notices[0].path, existing);
    EXPECT_FALSE(script.notices[0].folder);
}

TEST(RestoreTrashItems, DamagedEntryEndsTheBatchAndChangesNothing)
{
    TempTree t;
    TrashList trash;
    trash.replaceEntries(
        {t.path("later") + "=32", t.path("broken") + "=x1", t.path("last") + "=32"});
    const std::vector<std::string> rows = trash.entryPaths();
    Script script;
    script.answers.assign(3, BatchDecision::Proceed);
    RestoreTrashItems(trash, PlanTrashEntries(rows, {0, 1, 2}, ActionKind::Restore), script.ask(),
                      script.notify(), script.rowDone());

    EXPECT_EQ(script.doneRows(), (std::vector<std::size_t>{2}));
    ASSERT_EQ(script.notices.size(), 1u);
    EXPECT_EQ(script.notices[0].problem, BatchProblem::DamagedEntry);
    EXPECT_EQ(script.notices[0].path, t.path("broken"));
    EXPECT_EQ(script.notices[0].detail, "x1");
    EXPECT_FALSE(platform::IsExistingFile(t.path("broken")));
    EXPECT_FALSE(platform::IsExistingFile(t.path("later")));
    EXPECT_EQ(trash.size(), 2u);
}

TEST(PurgeTrashItems, RemovesTheFirstMatchingEntryAndHonoursSkipAndStop)
{
    TrashList trash;
    trash.replaceEntries({"/same=32", "/other=32", "/same=34", "/last/=16"});
    const std::vector<std::string> rows = trash.entryPaths();
    Script script;
    script.answers = {BatchDecision::Proceed, BatchDecision::Proceed, BatchDecision::Skip,
                      BatchDecision::Stop};
    PurgeTrashItems(trash, PlanTrashEntries(rows, {0, 1, 2, 3}, ActionKind::Purge), script.ask(),
                    script.rowDone());

    EXPECT_EQ(script.done, (std::vector<std::pair<std::size_t, std::size_t>>{{3, 1}, {2, 2}}));
    EXPECT_EQ(trash.entries(), (std::vector<TrashEntry>{"/other=32", "/same=34"}));
    EXPECT_EQ(script.actions[0], BatchAction::PurgeFromTrash);
    EXPECT_EQ(script.questions[0], "folder /last/");
    EXPECT_EQ(script.questions[1], "file /same");
}

} // namespace
} // namespace quorvex
