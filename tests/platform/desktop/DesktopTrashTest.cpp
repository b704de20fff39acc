// Moving to the desktop trash in a private home folder: where the items go and under
// which names, and the records of where they came from.
#include "platform/DesktopTrash.h"

#include "support/TempTree.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <sys/stat.h>

using quorvex::platform::MoveToDesktopTrash;
using quorvex::test::TempTree;

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
struct DesktopTrashTest : ::testing::Test
{
    TempTree tree;
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
};

} // namespace

TEST_F(DesktopTrashTest, TrashFollowsTheDataHomeFolder)
{
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(tree.path("data-home")));
    const std::string file = tree.file("one.txt", "1");
    EXPECT_EQ(MoveToDesktopTrash(file), tree.path("data-home/Trash/files/one.txt"));
    EXPECT_TRUE(exists(tree.path("data-home/Trash/info/one.txt.trashinfo")));
    EXPECT_FALSE(exists(tree.path("cwd/files")));
}

TEST_F(DesktopTrashTest, NamesThatAreNotUtf8GoToTheTrashByTheirExactBytes)
{
    const std::string odd = tree.file("dups/a\xff"
                                      "3",
                                      "same!");
    const std::string trashedOdd = trashed("a\xff"
                                           "3");
    EXPECT_EQ(MoveToDesktopTrash(odd), trashedOdd);
    EXPECT_FALSE(exists(odd));
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

TEST_F(DesktopTrashTest, ItemsOfTheSameNameKeepDistinctTrashNamesAndTheirOrigins)
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
        const std::optional<std::string> at = MoveToDesktopTrash(origin);
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

TEST_F(DesktopTrashTest, RecordedPathRoundTripsAnyName)
{
    std::string longName;
    while (longName.size() < 250)
        longName += "\xe9\x95\xb7"; // 長: also checks the record's own name fits
    for (const std::string& name : {std::string("with space"), std::string("100%"),
                                    std::string("a=b"), std::string("日本語.txt"),
                                    std::string("line\nbreak"), std::string("#[x]?&+"), longName}) {
        const std::string origin = tree.file("names/" + name, name);
        const std::optional<std::string> at = MoveToDesktopTrash(origin);
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
