#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "actions/EmptyItemActions.h"
#include "empty/EmptyItemDeletion.h"
#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace quorvex {
namespace {

using test::TempTree;

// Answers every question with the next scripted decision and records what was shown.
struct ScriptedDialogs
{
    std::vector<BatchDecision> answers;
    std::vector<std::string> questions;
    std::vector<std::string> notices;

    BatchQuestion ask()
    {
        return [this](const BatchItem& item) {
            EXPECT_EQ(item.action, BatchAction::DeleteEmptyItem);
            questions.push_back((item.folder ? "folder " : "file ") + item.path);
            const BatchDecision answer = answers.at(questions.size() - 1);
            return answer;
        };
    }
    // "failed PATH" for an item not deleted, else the system's reason.
    BatchNotice notify()
    {
        return [this](const BatchNote& note) {
            notices.push_back(note.problem == BatchProblem::DeleteFailed ? "failed " + note.path
                                                                         : note.detail);
        };
    }
};

EmptyItemList Records(const std::vector<std::string>& paths)
{
    EmptyItemList list;
    for (const std::string& path : paths)
        list.emplace_back().Path = path;
    return list;
}

bool Exists(const std::string& path)
{
    return platform::LookupEntry(path).has_value();
}

std::vector<std::size_t> DeleteAll(const EmptyItemList& list, TrashList& trash, ScriptedDialogs& d)
{
    std::vector<std::size_t> all(list.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    d.answers.resize(list.size(), BatchDecision::Proceed);
    return DeleteEmptyItems(PlanEmptyItemDeletion(list, all, ActionKind::TrashEmpty), trash,
                            d.ask(), d.notify());
}

TEST(DeleteEmptyItems, AsksFromTheLastRowAndRecordsEachDeletionInTheTrash)
{
    TempTree t;
    EmptyItemList list = Records({t.file("one"), t.dir("folder"), t.file("two")});
    t.setReadOnly("one", true); // deleted all the same, its entry keeps the bit
    TrashList trash;
    ScriptedDialogs dialogs;
    const auto deleted = DeleteAll(list, trash, dialogs);

    EXPECT_EQ(deleted, (std::vector<std::size_t>{2, 1, 0}));
    EXPECT_EQ(dialogs.questions,
              (std::vector<std::string>{"file " + t.path("two"), "folder " + t.path("folder"),
                                        "file " + t.path("one")}));
    EXPECT_EQ(trash.entries(),
              (std::vector<TrashEntry>{t.path("two") + "=32", t.path("folder/") + "=16",
                                       t.path("one") + "=33"}));
    EXPECT_TRUE(dialogs.notices.empty());
    EXPECT_FALSE(Exists(t.path("one")) || Exists(t.path("folder")) || Exists(t.path("two")));

    RemoveEmptyItemRecords(list, deleted);
    EXPECT_TRUE(list.empty());
}

TEST(DeleteEmptyItems, SkipAndStopLeaveTheRestAlone)
{
    TempTree t;
    EmptyItemList list = Records({t.file("a"), t.file("b"), t.file("c")});
    TrashList trash;
    ScriptedDialogs dialogs;
    dialogs.answers = {BatchDecision::Skip, BatchDecision::Proceed, BatchDecision::Stop};
    const std::vector<std::size_t> selected{0, 1, 2};
    const auto deleted =
        DeleteEmptyItems(PlanEmptyItemDeletion(list, selected, ActionKind::TrashEmpty), trash,
                         dialogs.ask(), dialogs.notify());
    EXPECT_EQ(deleted, (std::vector<std::size_t>{1}));
    EXPECT_TRUE(Exists(t.path("a")) && Exists(t.path("c")) && !Exists(t.path("b")));

    RemoveEmptyItemRecords(list, deleted);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Path, t.path("a"));
    EXPECT_EQ(list[1].Path, t.path("c"));
}

TEST(DeleteEmptyItems, ItemsThatAreNoLongerEmptyStayWithAFailureMessage)
{
    TempTree t;
    const std::string folder = t.dir("gained");
    const std::string dotted = t.dir("gained-dot");
    const std::string grown = t.file("grown");
    const std::string grownReadOnly = t.file("grown-ro");
    EmptyItemList list = Records({folder, dotted, grown, grownReadOnly});
    t.file("gained/new.txt", "x");
    t.dir("gained-dot/.git");
    t.file("grown", "now with data");
    t.file("grown-ro", "data");
    t.setReadOnly("grown-ro", true);

    TrashList trash;
    ScriptedDialogs dialogs;
    EXPECT_TRUE(DeleteAll(list, trash, dialogs).empty());
    EXPECT_TRUE(trash.empty());
    EXPECT_EQ(dialogs.notices,
              (std::vector<std::string>{"failed " + grownReadOnly, "failed " + grown,
                                        "failed " + dotted, "failed " + folder}));
    EXPECT_TRUE(Exists(t.path("gained/new.txt")) && Exists(t.path("gained-dot/.git")));
    EXPECT_EQ(std::filesystem::file_size(grown), 13u);
    // A file that was not deleted keeps its read-only bit.
    EXPECT_EQ(platform::GetAttributes(grownReadOnly).value() & platform::kAttrReadOnly,
              std::uint32_t{platform::kAttrReadOnly});
}

TEST(DeleteEmptyItems, RemovalsThatFailOrEntriesThatVanishedLeaveEverythingInPlace)
{
    TempTree t;
    const std::string busyFile = t.file("busy-file");
    const std::string busyFolder = t.dir("busy-folder");
    const std::string vanished = t.file("vanished");
    EmptyItemList list = Records({busyFile, busyFolder, vanished});
    platform::SetFaultHook([&](platform::FaultPoint point, std::string_view path) {
        return point == platform::FaultPoint::Remove ||
               (point == platform::FaultPoint::Lookup && path == vanished);
    });
    TrashList trash;
    ScriptedDialogs dialogs;
    const std::vector<std::size_t> deleted = DeleteAll(list, trash, dialogs);
    platform::SetFaultHook(nullptr);
    EXPECT_TRUE(deleted.empty());
    EXPECT_TRUE(trash.empty()); // nothing recorded that is still there
    EXPECT_EQ(dialogs.notices,
              (std::vector<std::string>{"failed " + vanished, "failed " + busyFolder,
                                        "failed " + busyFile}));
    EXPECT_TRUE(Exists(busyFile) && Exists(busyFolder) && Exists(vanished));
}

#ifndef _WIN32 // links to files and FIFOs as Linux has them
TEST(DeleteEmptyItems, LinksAndSpecialFilesInPlaceOfAnItemAreNotDeleted)
{
    TempTree t;
    t.file("real/zero");
    t.dir("real/empty");
    EmptyItemList list = Records({t.path("file-now-link"), t.path("folder-now-link"),
                                  t.path("file-now-fifo"), t.path("vanished")});
    t.symlink("file-now-link", t.path("real/zero"));
    t.symlink("folder-now-link", t.path("real/empty"));
    t.fifo("file-now-fifo");

    TrashList trash;
    ScriptedDialogs dialogs;
    EXPECT_TRUE(DeleteAll(list, trash, dialogs).empty());
    EXPECT_TRUE(trash.empty());
    EXPECT_EQ(dialogs.notices.size(), 4u);
    for (const char* kept :
         {"file-now-link", "folder-now-link", "file-now-fifo", "real/zero", "real/empty"})
        EXPECT_TRUE(Exists(t.path(kept))) << kept;
    // Whatever is not a file is asked about as a folder, the vanished item too.
    EXPECT_EQ(dialogs.questions[0], "folder " + t.path("vanished"));
    EXPECT_EQ(dialogs.questions[2], "folder " + t.path("folder-now-link"));
    EXPECT_FALSE(ClearReadOnly(t.path("vanished")).value_or("").empty());
}

#endif

} // namespace
} // namespace quorvex
