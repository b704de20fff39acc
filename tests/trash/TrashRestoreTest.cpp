#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/SystemText.h"
#include "support/TempTree.h"
#include "trash/TrashRestore.h"

namespace quorvex {
namespace {

using platform::kAttrArchive;
using platform::kAttrHidden;
using platform::kAttrReadOnly;
using test::TempTree;

std::uint32_t Attributes(const std::string& path)
{
    return platform::GetAttributes(path).value_or(0xFFFFFFFFu);
}

TEST(RestoreTrashEntry, FolderIsMadeWithItsParentsAndAnExistingFolderCounts)
{
    TempTree t;
    TrashList trash;
    const std::string folder = t.path("a/b/c/");
    trash.add(folder, 16);
    EXPECT_EQ(RestoreTrashEntry(trash, folder).result, RestoreResult::Restored);
    EXPECT_TRUE(platform::IsExistingFolder(folder));
    EXPECT_EQ(RestoreTrashEntry(trash, folder).result, RestoreResult::Restored);

    t.file("blocker", "x");
    trash.add(t.path("blocker/sub/"), 16);
    const RestoreOutcome outcome = RestoreTrashEntry(trash, t.path("blocker/sub/"));
    EXPECT_EQ(outcome.result, RestoreResult::Failed);

    // Carried over from the other system: never made below the current folder.
    trash.add(test::kForeignFolderPath, 16);
    EXPECT_EQ(RestoreTrashEntry(trash, test::kForeignFolderPath).result, RestoreResult::Failed);
    EXPECT_FALSE(platform::LookupEntry(test::kForeignFolderPath));
}

TEST(RestoreTrashEntry, FileComesBackEmptyWithItsFoldersAndAttributes)
{
    TempTree t;
    TrashList trash;
    const std::string file = t.path("gone/deeper/.hidden-file");
    const std::string readOnly = t.path("gone/locked");
    trash.add(file, kAttrHidden | kAttrArchive);
    trash.add(readOnly, kAttrReadOnly | kAttrArchive);
    trash.add(t.path("unknown"), -1); // attributes that could not be read are not applied
    for (const std::string& path : {file, readOnly, t.path("unknown")})
        EXPECT_EQ(RestoreTrashEntry(trash, path).result, RestoreResult::Restored);
    EXPECT_EQ(platform::ReadWholeFile(file), "");
    EXPECT_EQ(Attributes(file), kAttrHidden | kAttrArchive);
    EXPECT_EQ(Attributes(readOnly), kAttrReadOnly | kAttrArchive);
    EXPECT_EQ(Attributes(t.path("unknown")), kAttrArchive);
}

TEST(RestoreTrashEntry, ExistingFileIsNeverTruncatedNorChanged)
{
    TempTree t;
    const std::string file = t.file("note.txt", "keep me");
    TrashList trash;
    trash.add(file, kAttrReadOnly | kAttrArchive);
    const RestoreOutcome outcome = RestoreTrashEntry(trash, file);
    EXPECT_EQ(outcome.result, RestoreResult::Failed);
    EXPECT_EQ(platform::ReadWholeFile(file), "keep me");
    EXPECT_EQ(Attributes(file), kAttrArchive);
}

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
    RestoreTrashItems(trash, rows, {0, 1, 2}, script.ask(), script.notify(), script.rowDone());

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
    RestoreTrashItems(trash, rows, {0, 1, 2}, script.ask(), script.notify(), script.rowDone());

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
    PurgeTrashItems(trash, rows, {0, 1, 2, 3}, script.ask(), script.rowDone());

    EXPECT_EQ(script.done, (std::vector<std::pair<std::size_t, std::size_t>>{{3, 1}, {2, 2}}));
    EXPECT_EQ(trash.entries(), (std::vector<TrashEntry>{"/other=32", "/same=34"}));
    EXPECT_EQ(script.actions[0], BatchAction::PurgeFromTrash);
    EXPECT_EQ(script.questions[0], "folder /last/");
    EXPECT_EQ(script.questions[1], "file /same");
}

} // namespace
} // namespace quorvex
