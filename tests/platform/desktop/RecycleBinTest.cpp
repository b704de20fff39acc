// Deleting to the desktop trash in a private home folder: where the items go and under
// which names, the records of where they came from, the questions asked, and deletion
// for good of items that cannot be trashed.
#include "platform/desktop/RecycleBin.h"
#include "platform/DesktopTrash.h"
#include "support/ScriptedDialogs.h"

#include "support/TempTree.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <sys/stat.h>

using quorvex::test::TempTree;
using Kind = ScriptedDialogs::Kind;

namespace {

bool exists(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}

// Read by the path's bytes: Qt cannot open every name.
QByteArray contentOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(file), {}));
}

// The lines of the info record kept for an entry now at `trashed` (".../files/<name>").
QList<QByteArray> infoLinesOf(const std::string& trashed)
{
    const std::size_t slash = trashed.rfind('/');
    const std::string files = trashed.substr(0, slash);
    const std::string info =
        files.substr(0, files.rfind('/')) + "/info" + trashed.substr(slash) + ".trashinfo";
    return contentOf(info).split('\n');
}

// The recorded "Path=" value, raw.
QByteArray recordedPathOf(const std::string& trashed)
{
    for (const QByteArray& line : infoLinesOf(trashed))
        if (line.startsWith("Path="))
            return line.mid(5);
    return {};
}

std::string decodedPathOf(const std::string& trashed)
{
    return QByteArray::fromPercentEncoding(recordedPathOf(trashed)).toStdString();
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

TEST_F(RecycleBinTest, FailuresDoNotStopTheOthersAndAreListedInOneMessage)
{
    const std::string missing = tree.path("gone.txt");
    const std::string folder = tree.dir("box");
    const std::string inside = tree.file("box/inner.txt");
    const std::string later = tree.file("later.txt");
    dialogs.scriptYesNo(true);
    RecycleOutcome outcome = send({missing, folder, inside, "/", later});
    EXPECT_EQ(outcome.result, RecycleBinResult::NotFound);
    EXPECT_FALSE(outcome.aborted);
    EXPECT_TRUE(outcome.confirmed);
    // The file inside the folder went with it: this operation removed it too.
    EXPECT_EQ(outcome.removed, (std::vector<bool>{false, true, true, false, true}));
    EXPECT_FALSE(exists(later) || exists(folder));
    EXPECT_TRUE(exists(trashed("box/inner.txt")));
    EXPECT_EQ(dialogs.texts(Kind::Message),
              QStringList{QString::fromStdString(missing) +
                          QStringLiteral("\nが見つかりません。\n\n/\nは削除できません。")});

    dialogs.scriptYesNo(true);
    outcome = send({missing}, false);
    EXPECT_EQ(outcome.result, RecycleBinResult::NotFound);
    EXPECT_EQ(outcome.removed, std::vector<bool>{false});
    EXPECT_EQ(dialogs.count(Kind::Message), 1);
}

TEST_F(RecycleBinTest, ItemThatCannotBeTrashedIsDeletedForGoodOnlyAfterAsking)
{
    // No trash can be made beneath a regular file.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(tree.file("not-a-folder") + "/share"));
    const std::string outside = tree.file("outside/precious.txt", "p");
    const std::string folder = tree.dir("odd\xff");
    tree.file("odd\xff/deep/a/b/file.txt", "x");
    tree.symlink("odd\xff/deep/link", "../../outside");
    const std::string other = tree.file("other.txt");

    // Declined for the folder: it stays, the next item is still asked about.
    dialogs.scriptYesNo(true);
    dialogs.scriptYesNo(false);
    dialogs.scriptYesNo(true);
    RecycleOutcome outcome = send({folder, other});
    EXPECT_TRUE(outcome.aborted);
    EXPECT_EQ(outcome.removed, (std::vector<bool>{false, true}));
    EXPECT_TRUE(exists(folder + "/deep/a/b/file.txt"));
    EXPECT_FALSE(exists(other));
    ASSERT_EQ(dialogs.count(Kind::YesNo), 3);
    EXPECT_TRUE(dialogs.texts(Kind::YesNo)[1].contains(QStringLiteral("完全に削除しますか？")));
    EXPECT_EQ(dialogs.count(Kind::Message), 0);

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

TEST_F(RecycleBinTest, NamesThatAreNotUtf8GoToTheTrashByTheirExactBytes)
{
    tree.file("dups/a1", "same");
    const std::string a2 = tree.file("dups/a2", "same");
    const std::string odd = tree.file("dups/a\xff"
                                      "3",
                                      "same!");
    dialogs.scriptYesNo(true);

    EXPECT_TRUE(send({a2, odd}).succeeded());
    EXPECT_EQ(dialogs.count(Kind::YesNo), 1); // no question about deleting for good
    EXPECT_FALSE(exists(a2) || exists(odd));
    EXPECT_TRUE(exists(tree.path("dups/a1")));
    const std::string trashedOdd = trashed("a\xff"
                                           "3");
    EXPECT_EQ(contentOf(trashedOdd), "same!");
    EXPECT_EQ(decodedPathOf(trashedOdd), odd);
    const QList<QByteArray> lines = infoLinesOf(trashedOdd);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "[Trash Info]");
    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$"))
                    .match(QString::fromLatin1(lines[2]))
                    .hasMatch())
        << lines[2].toStdString();
}

TEST_F(RecycleBinTest, ItemsOfTheSameNameKeepDistinctTrashNamesAndTheirOrigins)
{
    // A leftover in files/ without its record must neither be overwritten nor reused.
    const std::string leftover = tree.file("home/.local/share/Trash/files/same.2.txt", "old");
    std::vector<std::string> origins;
    for (const char* folder : {"x", "y", "z"})
        origins.push_back(tree.file(std::string(folder) + "/same.txt", folder));
    origins.push_back(tree.file("x/README", "r1"));
    origins.push_back(tree.file("y/README", "r2"));
    const std::string target = tree.dir("target");
    origins.push_back(tree.symlink("x/link", "../target"));

    std::vector<std::string> placed;
    for (const std::string& origin : origins) {
        const std::optional<std::string> at = quorvex::platform::MoveToDesktopTrash(origin);
        ASSERT_TRUE(at) << origin;
        EXPECT_FALSE(exists(origin));
        EXPECT_NE(*at, leftover);
        for (const std::string& earlier : placed)
            EXPECT_NE(*at, earlier);
        EXPECT_EQ(decodedPathOf(*at), origin);
        placed.push_back(*at);
    }
    EXPECT_EQ(contentOf(leftover), "old");
    EXPECT_EQ(contentOf(placed[1]), "y");
    EXPECT_EQ(contentOf(placed[4]), "r2");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(placed[5])).isSymLink());
    EXPECT_TRUE(exists(target)); // the link went, not its target
}

TEST_F(RecycleBinTest, RecordedPathRoundTripsAnyName)
{
    std::string longName;
    while (longName.size() < 250)
        longName += "\xe9\x95\xb7"; // 長: also checks the record's own name fits
    for (const std::string& name : {std::string("with space"), std::string("100%"),
                                    std::string("a=b"), std::string("日本語.txt"),
                                    std::string("line\nbreak"), std::string("#[x]?&+"), longName}) {
        const std::string origin = tree.file("names/" + name, name);
        const std::optional<std::string> at = quorvex::platform::MoveToDesktopTrash(origin);
        ASSERT_TRUE(at) << name;
        EXPECT_EQ(contentOf(*at), QByteArray::fromStdString(name));
        // Only unreserved characters, '/' and %XX, so the record stays one line.
        EXPECT_TRUE(QRegularExpression(
                        QStringLiteral("^[A-Za-z0-9._~/-]*(%[0-9A-F]{2}[A-Za-z0-9._~/-]*)*$"))
                        .match(QString::fromLatin1(recordedPathOf(*at)))
                        .hasMatch())
            << recordedPathOf(*at).toStdString();
        EXPECT_EQ(decodedPathOf(*at), origin);
    }
}
