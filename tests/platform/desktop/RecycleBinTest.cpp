// Deleting to the desktop trash in a private home folder: where the items go, the
// questions asked, and deletion for good of items that cannot be trashed.
#include "platform/desktop/RecycleBin.h"
#include "platform/desktop/ScriptedDialogs.h"

#include "support/TempTree.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

using quorvex::test::TempTree;
using Kind = ScriptedDialogs::Kind;

namespace {

bool exists(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}

// A home folder of its own, without ~/.local/share, and a working folder of its own
// (where a misplaced "files" folder would appear).
struct RecycleBinTest : ::testing::Test
{
    TempTree tree;
    ScriptedDialogs dialogs;
    QByteArray savedHome = qgetenv("HOME");
    QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
    QString savedCurrent = QDir::currentPath();

    void SetUp() override
    {
        qputenv("HOME", QByteArray::fromStdString(tree.dir("home")));
        qunsetenv("XDG_DATA_HOME");
        QDir::setCurrent(QString::fromStdString(tree.dir("cwd")));
    }
    void TearDown() override
    {
        QDir::setCurrent(savedCurrent);
        qputenv("HOME", savedHome);
        if (savedDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", savedDataHome);
    }
    std::string trashed(const std::string& name) const
    {
        return tree.path("home/.local/share/Trash/files/" + name);
    }
    RecycleOutcome send(const std::vector<std::string>& paths, bool showErrors = true)
    {
        return SendToRecycleBin(dialogs, nullptr, paths, showErrors);
    }
};

} // namespace

TEST_F(RecycleBinTest, ItemsGoToTheUsersTrashAfterOneConfirmation)
{
    const std::string a = tree.file("data/a.txt", "A");
    const std::string b = tree.file("data/b.txt", "B");
    const std::string folder = tree.dir("data/sub");
    tree.file("data/sub/inner.txt", "I");
    dialogs.scriptYesNo(true);

    const RecycleOutcome outcome = send({a, b, folder + "/"});
    EXPECT_TRUE(outcome.succeeded());
    EXPECT_EQ(dialogs.texts(Kind::YesNo),
              QStringList{QStringLiteral("3 個の項目をごみ箱に移動しますか？")});
    EXPECT_FALSE(exists(a) || exists(b) || exists(folder));
    EXPECT_TRUE(exists(trashed("a.txt")));
    EXPECT_TRUE(exists(trashed("sub/inner.txt")));
    EXPECT_TRUE(exists(tree.path("home/.local/share/Trash/info/a.txt.trashinfo")));
    EXPECT_FALSE(exists(tree.path("cwd/files")));
}

TEST_F(RecycleBinTest, TrashFollowsTheDataHomeFolder)
{
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(tree.path("data-home")));
    const std::string file = tree.file("one.txt", "1");
    dialogs.scriptYesNo(true);
    EXPECT_TRUE(send({file}).succeeded());
    EXPECT_EQ(dialogs.texts(Kind::YesNo).front(),
              QStringLiteral("「one.txt」をごみ箱に移動しますか？"));
    EXPECT_TRUE(exists(tree.path("data-home/Trash/files/one.txt")));
}

TEST_F(RecycleBinTest, DecliningTheConfirmationAbortsAndKeepsEverything)
{
    const std::string file = tree.file("keep.txt", "k");
    dialogs.scriptYesNo(false);
    const RecycleOutcome outcome = send({file});
    EXPECT_TRUE(outcome.aborted);
    EXPECT_FALSE(outcome.succeeded());
    EXPECT_TRUE(exists(file));
}

TEST_F(RecycleBinTest, MissingItemStopsWithAnErrorShownOnlyWhenAskedFor)
{
    const std::string missing = tree.path("gone.txt");
    const std::string later = tree.file("later.txt");
    dialogs.scriptYesNo(true);
    RecycleOutcome outcome = send({missing, later});
    EXPECT_EQ(outcome.result, RecycleBinResult::NotFound);
    EXPECT_FALSE(outcome.aborted);
    EXPECT_TRUE(exists(later));
    ASSERT_EQ(dialogs.count(Kind::Message), 1);
    EXPECT_TRUE(dialogs.texts(Kind::Message).front().startsWith(QString::fromStdString(missing)));

    dialogs.scriptYesNo(true);
    outcome = send({missing}, false);
    EXPECT_EQ(outcome.result, RecycleBinResult::NotFound);
    EXPECT_EQ(dialogs.count(Kind::Message), 1);
}

TEST_F(RecycleBinTest, ItemThatCannotBeTrashedIsDeletedForGoodOnlyAfterAsking)
{
    // A name Qt cannot represent exactly cannot go to the trash here.
    const std::string outside = tree.file("outside/precious.txt", "p");
    const std::string folder = tree.dir("odd\xff");
    tree.file("odd\xff/deep/a/b/file.txt", "x");
    tree.symlink("odd\xff/deep/link", "../../outside");

    dialogs.scriptYesNo(true);
    dialogs.scriptYesNo(false);
    RecycleOutcome outcome = send({folder});
    EXPECT_TRUE(outcome.aborted);
    EXPECT_TRUE(exists(folder + "/deep/a/b/file.txt"));
    ASSERT_EQ(dialogs.count(Kind::YesNo), 2);
    EXPECT_TRUE(dialogs.texts(Kind::YesNo)[1].contains(QStringLiteral("完全に削除しますか？")));

    dialogs.scriptYesNo(true);
    dialogs.scriptYesNo(true);
    outcome = send({folder});
    EXPECT_TRUE(outcome.succeeded());
    EXPECT_FALSE(exists(folder));
    // The link went, not what it pointed to.
    EXPECT_TRUE(exists(outside));
}

TEST_F(RecycleBinTest, TheRootIsNeverDeleted)
{
    dialogs.scriptYesNo(true);
    EXPECT_EQ(send({"/"}).result, RecycleBinResult::Failed);
    EXPECT_EQ(dialogs.count(Kind::YesNo), 1);
}
