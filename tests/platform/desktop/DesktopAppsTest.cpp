// The desktop's applications for an item: which ones are read, when a type counts as
// having an application, the chooser's order, and the argument vector an
// application is started with.
#include "platform/desktop/DesktopApps.h"

#include "support/ScopedDesktop.h"
#include "support/TempTree.h"

#include <QElapsedTimer>
#include <QMimeDatabase>
#include <QThread>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using quorvex::test::ScopedDesktop;

std::string entry(const std::string& name, const std::string& exec, const std::string& mime,
                  const std::string& extra = {})
{
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec +
           "\nMimeType=" + mime + "\n" + extra;
}

QStringList names(const std::vector<DesktopApp>& apps)
{
    QStringList result;
    for (const DesktopApp& app : apps)
        result << app.name;
    return result;
}

QMimeType type(const char* name)
{
    return QMimeDatabase().mimeTypeForName(QString::fromLatin1(name));
}

class DesktopAppsTest : public ::testing::Test
{
protected:
    quorvex::test::TempTree tree;
    ScopedDesktop desktop{tree.dir("desk")};
};

TEST_F(DesktopAppsTest, ReadsApplicationsWithTheUsersCopyHidingTheSystemOne)
{
    desktop.install("editor.desktop", entry("Editor", "editor %f", "text/plain;"));
    desktop.install("viewer.desktop", entry("Viewer", "viewer %u", "image/png;"));
    desktop.install("gone.desktop", entry("Gone", "gone", "", "Hidden=true\n"));
    desktop.install("link.desktop", "[Desktop Entry]\nType=Link\nName=Site\nURL=x\n");
    desktop.install("kde/tool.desktop", entry("Tool\\sKit", "tool", ""));
    // The user's own editor.desktop replaces the system's, even when it hides it.
    desktop.install("editor.desktop", entry("My Editor", "myeditor %F", "text/plain;"),
                    desktop.home + "/.local/share");

    const std::vector<DesktopApp> apps = LoadDesktopApps(CurrentXdgDirs());
    EXPECT_EQ(names(apps), (QStringList{"My Editor", "Tool Kit", "Viewer"}));
    EXPECT_EQ(apps[1].id, QStringLiteral("kde-tool.desktop"));
    EXPECT_EQ(apps[0].exec, QStringLiteral("myeditor %F"));
}

TEST_F(DesktopAppsTest, ATypeHasAnApplicationByDeclarationOrByTheMimeAppsList)
{
    desktop.install("editor.desktop", entry("Editor", "editor %f", "text/plain;"));
    desktop.install("paint.desktop", entry("Paint", "paint %f", ""));
    const XdgDirs dirs = CurrentXdgDirs();
    const std::vector<DesktopApp> apps = LoadDesktopApps(dirs);

    EXPECT_TRUE(HasDefaultApplication(type("text/plain"), apps, dirs));
    // An ancestor's application is no default for the type itself.
    EXPECT_FALSE(HasDefaultApplication(type("text/x-csrc"), apps, dirs));
    EXPECT_FALSE(HasDefaultApplication(type("image/png"), apps, dirs));

    // A default naming an application that is not installed does not count.
    desktop.writeMimeApps("[Default Applications]\nimage/png=missing.desktop;\n");
    EXPECT_FALSE(HasDefaultApplication(type("image/png"), apps, dirs));
    desktop.writeMimeApps("[Default Applications]\nimage/png=missing.desktop;paint.desktop\n");
    EXPECT_TRUE(HasDefaultApplication(type("image/png"), apps, dirs));
}

TEST_F(DesktopAppsTest, TheChooserListsTheTypesApplicationsFirstThenTheOthers)
{
    desktop.install("a.desktop", entry("Archiver", "ark %f", "application/zip;"));
    desktop.install("e.desktop", entry("Editor", "editor %f", "text/plain;"));
    desktop.install("b.desktop", entry("Browser", "browser %u", "text/html;"));
    desktop.install("c.desktop", entry("C IDE", "ide %f", "text/x-csrc;"));
    desktop.install("h.desktop", entry("Helper", "helper %f", "", "NoDisplay=true\n"));
    const std::vector<DesktopApp> apps = LoadDesktopApps(CurrentXdgDirs());

    // A C source is plain text too: both declaring applications come first.
    const OpenWithCandidates c = OpenWithCandidatesFor(type("text/x-csrc"), apps);
    EXPECT_EQ(names(c.apps), (QStringList{"C IDE", "Editor", "Archiver", "Browser"}));
    EXPECT_EQ(c.declaringCount, 2);

    const OpenWithCandidates empty = OpenWithCandidatesFor(type("application/x-zerosize"), apps);
    EXPECT_EQ(empty.declaringCount, 0);
    EXPECT_EQ(names(empty.apps), (QStringList{"Archiver", "Browser", "C IDE", "Editor"}));
}

TEST(ExecCommand, ExpandsFieldCodesIntoSingleArguments)
{
    DesktopApp app;
    app.name = QStringLiteral("Viewer");
    app.file = QStringLiteral("/apps/viewer.desktop");
    const auto command = [&](const char* exec, const std::string& path) {
        app.exec = QString::fromUtf8(exec);
        return ExecCommand(app, path);
    };
    const std::string odd = "/tmp/a b;$(touch x)'\"`.txt";

    auto c = command("viewer --title=%c %i %f", odd);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->program, QStringLiteral("viewer"));
    EXPECT_EQ(c->arguments, (QStringList{"--title=Viewer", QString::fromStdString(odd)}));

    c = command("\"/opt/my app/run\" --from \"%k\" %U 100%%", "/tmp/日本 語.txt");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->program, QStringLiteral("/opt/my app/run"));
    EXPECT_EQ(c->arguments,
              (QStringList{"--from", "/apps/viewer.desktop",
                           "file:///tmp/%E6%97%A5%E6%9C%AC%20%E8%AA%9E.txt", "100%"}));

    // Escapes inside quotes; a line that takes no file gets the path appended.
    c = command("sh -c \"echo \\\"\\$1\\\"\" \"\"", "/tmp/f");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->arguments, (QStringList{"-c", "echo \"$1\"", "", "/tmp/f"}));

    // Malformed lines and unknown codes start nothing.
    EXPECT_FALSE(command("viewer \"%f", "/tmp/f"));
    EXPECT_FALSE(command("viewer %z", "/tmp/f"));
    EXPECT_FALSE(command("%i", "/tmp/f"));

    // A name that is no valid text cannot go as %f, but as a URL it can.
    EXPECT_FALSE(command("viewer %f", "/tmp/caf\xe9"));
    c = command("viewer %u", "/tmp/caf\xe9");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->arguments, QStringList{"file:///tmp/caf%E9"});
}

TEST_F(DesktopAppsTest, StartsTheApplicationWithoutAShell)
{
    // The item's name would run a command if it went through a shell.
    const std::string item = tree.path("desk/x;touch pwned;$(touch pwned2)");
    desktop.install("touch.desktop", entry("Touch", "touch %f", ""));
    const std::vector<DesktopApp> apps = LoadDesktopApps(CurrentXdgDirs());
    ASSERT_EQ(apps.size(), 1u);
    ASSERT_TRUE(StartDesktopApp(apps[0], item));

    QElapsedTimer waited;
    waited.start();
    while (!std::filesystem::exists(item) && waited.elapsed() < 5000)
        QThread::msleep(20);
    EXPECT_TRUE(std::filesystem::exists(item));
    EXPECT_FALSE(std::filesystem::exists(tree.path("desk/pwned")));
    EXPECT_FALSE(std::filesystem::exists("pwned"));
    EXPECT_FALSE(std::filesystem::exists("pwned2"));
}

} // namespace
