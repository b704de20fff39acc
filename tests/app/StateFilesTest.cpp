// The state files of the main window (settings, trash list, histories) when things
// went wrong before or go wrong now: leftovers of a killed close or of a killed run
// of actions, files that are no text or too large, and a close that cannot write.
#include "actions/ActionRun.h"
#include "platform/FileSystem.h"
#include "platform/TempJournal.h"
#include "platform/TextFile.h"
#include "support/FormFixture.h"

#include <cerrno>
#include <cstring>

#include <gmock/gmock.h>

namespace {

using quorvex::platform::FaultPoint;
using quorvex::platform::ReadWholeFile;
using quorvex::platform::SetFaultHook;
using quorvex::test::FolderNames;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class StateFilesTest : public FormFixture
{
protected:
    void TearDown() override { SetFaultHook(nullptr); }
    std::string data(const std::string& name) const { return tree.path("data/" + name); }
};

TEST_F(StateFilesTest, LeftoversOfAKilledCloseOrActionRunAreRemovedAtTheNextStart)
{
    // Temporary names as each system makes them.
#ifdef _WIN32
    const char* tails[] = {"120-0", "4711-12", "9-3", "77-1"};
#else
    const char* tails[] = {"a1B2c3", "ZZZZZZ", "x9y8z7", "Q1w2E3"};
#endif
    // A run that replaced a user's file was killed with its temporary link in place.
    const std::string link = tree.file(std::string("files/photo.jpg.tmp-") + tails[3], "link");
    {
        quorvex::platform::TempJournal journal(quorvex::ActionJournalFolder(tree.path("data/")));
        ASSERT_TRUE(journal.note(link));
    }
    tree.file("data/gomi.txt", "/kept/=16\r\n");
    tree.file(std::string("data/gomi.txt.tmp-") + tails[0], "/half/writ");
    tree.file(std::string("data/data3.txt.tmp-") + tails[1], "");
    tree.file("data/notes.txt.tmp-abcdef", "someone else's");
    tree.file(std::string("config/Vorle/Quorvex.reg.tmp-") + tails[2], "Windows Registry");
    auto form = makeForm();
    EXPECT_THAT(FolderNames(tree.path("data")),
                ElementsAre("actions", "gomi.txt", "notes.txt.tmp-abcdef"));
    EXPECT_THAT(FolderNames(tree.path("data/actions")), ElementsAre());
    EXPECT_THAT(FolderNames(tree.path("files")), ElementsAre());
    EXPECT_THAT(FolderNames(tree.path("config/Vorle")), ElementsAre());
    EXPECT_EQ(form->TrashList(), (std::vector<std::string>{"/kept/=16"}));
}

TEST_F(StateFilesTest, ACloseThatCannotSaveSaysSoOnceAndKeepsTheOldFiles)
{
    tree.file("data/gomi.txt", "/old/=16\r\n");
    // The disk is full before the first byte is written, or when the written file
    // is to take the place of the old one.
    for (const FaultPoint failing : {FaultPoint::Write, FaultPoint::Rename}) {
        ScriptedDialogs closeDialogs;
        auto form = std::make_unique<TForm1>(closeDialogs, 24);
        form->TrashList().push_back("/new/=16");
        SetFaultHook([failing](FaultPoint point, std::string_view) { return point == failing; });
        form->close();
        SetFaultHook(nullptr);

        ASSERT_EQ(closeDialogs.count(ScriptedDialogs::Kind::Message), 1);
        const std::string text =
            closeDialogs.texts(ScriptedDialogs::Kind::Message).at(0).toStdString();
        for (const std::string& file :
             {tree.path("config/Vorle/Quorvex.reg"), data("gomi.txt"), data("data1.txt"),
              data("data2.txt"), data("data3.txt"), data("data4.txt")})
            EXPECT_THAT(text, HasSubstr(file + ": " + std::strerror(ENOSPC)));
        EXPECT_EQ(ReadWholeFile(data("gomi.txt")), "/old/=16\r\n");
        EXPECT_FALSE(quorvex::platform::LookupEntry(tree.path("config/Vorle/Quorvex.reg")));
        EXPECT_THAT(FolderNames(tree.path("data")), ElementsAre("gomi.txt"));
    }
}

#ifndef _WIN32 // file names in bytes of no encoding are Linux's
TEST_F(StateFilesTest, LinesThatAreNoTextKeepTheirBytesThroughAStartAndAClose)
{
    // A Windows path in CP932, one in bytes of no encoding, one local name.
    const std::string trash = "C:\\\x95\x5c\\=16\r\nC:\\\xff\xfe\x80\\=16\r\n/caf\xe9/=16\r\n";
    tree.file("data/gomi.txt", trash);
    // A history entry naming a folder whose name is no UTF-8.
    const std::string folder = tree.dir("caf\xe9");
    tree.file("data/data3.txt", folder + "\r\n");
    {
        auto form = makeForm();
        form->close();
    }
    EXPECT_EQ(ReadWholeFile(data("gomi.txt")),
              "C:\\表\\=16\r\nC:\\\xff\xfe\x80\\=16\r\n/caf\xe9/=16\r\n");
    EXPECT_EQ(ReadWholeFile(data("data3.txt")), folder + "\r\n");
    EXPECT_EQ(dialogs.count(ScriptedDialogs::Kind::Message), 0);
}

#endif

TEST_F(StateFilesTest, OversizedFilesAreReadUpToTheLimitToldAndKeptAside)
{
    std::string lines;
    for (int n = 0; lines.size() <= quorvex::platform::kStateFileLimit; ++n)
        lines += "/gone/folder-" + std::to_string(n) + "/=16\r\n";
    tree.file("data/gomi.txt", lines);
    std::size_t within = 0; // the lines that end within the limit
    for (std::size_t end = 0; (end = lines.find("\r\n", end)) != std::string::npos &&
                              end + 2 <= quorvex::platform::kStateFileLimit;
         end += 2)
        ++within;
    tree.file("data/data1.txt", tree.root() + "\r\n" + std::string(50 << 20, 'x') + "\r\n");
    {
        auto form = makeForm();
        EXPECT_EQ(dialogs.count(ScriptedDialogs::Kind::Message), 2);
        EXPECT_THAT(dialogs.texts(ScriptedDialogs::Kind::Message).join(u'\n').toStdString(),
                    HasSubstr(data("gomi.txt")));
        EXPECT_EQ(form->TrashList().size(), within);
        form->close();
    }
    EXPECT_EQ(ReadWholeFile(data("gomi.txt.damaged-1")), lines);
    EXPECT_LE(ReadWholeFile(data("gomi.txt"))->size(), quorvex::platform::kStateFileLimit);
    EXPECT_EQ(ReadWholeFile(data("data1.txt")), tree.root() + "\r\n");
    EXPECT_EQ(ReadWholeFile(data("data1.txt.damaged-1"))->size(),
              tree.root().size() + 4 + (50 << 20));
}

#ifndef _WIN32 // links and permission bits are Linux's
TEST_F(StateFilesTest, LinksAtStatePathsAreReplacedAndTheirTargetsLeftAlone)
{
    // Links planted in the data and settings folders, to files of someone else.
    const std::string trash = tree.file("theirs/gomi", "/x/=16\r\n");
    const std::string history = tree.file("theirs/history", "no path at all\x01\r\n");
    const std::string settings = tree.file("theirs/settings", "Windows Registry Editor");
    tree.symlink("data/gomi.txt", trash);
    tree.symlink("data/data1.txt", history);
    tree.symlink("config/Vorle/Quorvex.reg", settings);
    {
        auto form = makeForm();
        form->close();
    }
    EXPECT_EQ(ReadWholeFile(trash), "/x/=16\r\n");
    EXPECT_EQ(ReadWholeFile(history), "no path at all\x01\r\n");
    EXPECT_EQ(ReadWholeFile(settings), "Windows Registry Editor");
    for (const std::string& file :
         {data("gomi.txt"), data("data1.txt"), tree.path("config/Vorle/Quorvex.reg")}) {
        const auto entry = quorvex::platform::LookupEntry(file);
        ASSERT_TRUE(entry) << file;
        EXPECT_EQ(entry->attributes & quorvex::platform::kAttrReparsePoint, 0u) << file;
    }
    EXPECT_EQ(ReadWholeFile(data("gomi.txt")), "/x/=16\r\n");
}

TEST_F(StateFilesTest, AReadOnlySettingsFileIsNotReplacedAndTheCloseSaysSo)
{
    const std::string settings =
        tree.file("config/Vorle/Quorvex.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
                                              "[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\r\n"
                                              "\"updatepath\"=\"/opt/\"\r\n");
    tree.setReadOnly("config/Vorle/Quorvex.reg", true);
    {
        auto form = makeForm();
        form->close();
    }
    EXPECT_THAT(dialogs.texts(ScriptedDialogs::Kind::Message).join(u'\n').toStdString(),
                HasSubstr(settings + ": " + std::strerror(EACCES)));
    EXPECT_THAT(*ReadWholeFile(settings), HasSubstr("/opt/"));
    EXPECT_THAT(*ReadWholeFile(settings), ::testing::Not(HasSubstr("sikii")));
}

#endif

} // namespace
