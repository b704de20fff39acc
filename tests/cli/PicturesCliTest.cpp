// quorvex-cli dups --pictures as a user runs it, with no display at all: a turned
// copy groups with its source, a file named as a picture that is none is named as
// unreadable (exit 3), and links are refused for groups that look alike.

#include <gtest/gtest.h>

#include <QImage>
#include <QTransform>

#include "support/DrawnPictures.h"
#include "support/RunCommand.h"
#include "support/TempTree.h"

namespace quorvex::test {
namespace {

CommandRun Pictures(const std::string& options, const TempTree& t)
{
    return RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                      ShellQuoted(QUORVEX_CLI_PATH) + " dups --pictures " + options + " " +
                      ShellQuoted(t.path("p")));
}

TEST(PicturesCli, ATurnedCopyGroupsWithItsSourceAndANonPictureIsNamed)
{
    TempTree t;
    t.dir("p/sub");
    const QImage scene = DrawnScene(3);
    ASSERT_TRUE(scene.save(QString::fromStdString(t.path("p/a.jpg")), "JPEG", 90));
    ASSERT_TRUE(scene.transformed(QTransform().rotate(270))
                    .save(QString::fromStdString(t.path("p/sub/b.png"))));
    ASSERT_TRUE(DrawnScene(4).save(QString::fromStdString(t.path("p/c.jpg")), "JPEG", 90));
    t.file("p/notes.gif", "not a picture");

    const CommandRun run = Pictures("", t);
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_EQ(run.err, "quorvex-cli: cannot read " + t.path("p/notes.gif") + ": not a picture\n");
    const std::string reference = "a.jpg\t基準\t";
    ASSERT_EQ(run.out.rfind(reference, 0), 0u) << run.out;
    const std::size_t second = run.out.find('\n') + 1;
    EXPECT_EQ(run.out.substr(second, 6), "b.png\t") << run.out;
    EXPECT_NE(run.out.find("\t" + t.path("p/sub/") + "\t1\t1\n", second), std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("c.jpg"), std::string::npos);

    const CommandRun turnsOff = Pictures("--no-rotations", t);
    EXPECT_EQ(turnsOff.out, "");
    EXPECT_EQ(turnsOff.exitCode, 3);

    const CommandRun link = Pictures("--threshold 100 --act hardlink", t);
    EXPECT_EQ(link.exitCode, 2);
    EXPECT_EQ(link.err, "リンクとリフリンク（複製）は、画像として比較した結果には使えません。\n");
}

} // namespace
} // namespace quorvex::test
