// The program killed (SIGKILL) at random moments while it writes its state at close:
// every state file is afterwards either the old or the new file, complete, and the
// next start leaves no temporary file behind. Each kill falls within the length of an
// uninterrupted close, and most must land while the state is being written.
#include "ProgramProcess.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>

#include <gtest/gtest.h>

namespace {

using quorvex::platform::ReadWholeFile;
using quorvex::test::ProgramProcess;
using quorvex::test::TempTree;

// Every regular file below `folder` by path relative to it, with its bytes.
std::map<std::string, std::string> Files(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder))
        if (item.is_regular_file())
            files[std::filesystem::relative(item.path(), folder).string()] =
                ReadWholeFile(item.path().string()).value_or("<unreadable>");
    return files;
}

class KillAtCloseTest : public ::testing::Test
{
protected:
    // State as an earlier version left it: LF line ends, which a close rewrites as
    // CR LF, so that old and new files differ in every byte count.
    void writeOldState()
    {
        std::filesystem::remove_all(tree.path("config"));
        std::filesystem::remove_all(tree.path("data"));
        tree.file("config/Vorle/Quorvex.reg",
                  "Windows Registry Editor Version 5.00\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\n"
                  "\"updatepath\"=\"/opt/\"\n\"sikii\"=dword:00000032\n");
        std::string trash;
        for (int n = 0; n < 60000; ++n)
            trash += "/old/folder-" + std::to_string(n) + "/=16\n";
        tree.file("data/gomi.txt", trash);
        for (int n = 1; n <= 4; ++n)
            tree.file("data/data" + std::to_string(n) + ".txt", tree.root() + "\n/tmp\n");
    }
    std::map<std::string, std::string> state() const
    {
        auto files = Files(tree.path("config"));
        for (auto& [name, bytes] : Files(tree.path("data")))
            files["data/" + name] = bytes;
        return files;
    }

    TempTree tree;
};

TEST_F(KillAtCloseTest, EveryStateFileIsTheOldOrTheNewOneAndNoTemporaryFileSurvives)
{
    using Clock = std::chrono::steady_clock;
    ProgramProcess program(tree);
    writeOldState();
    const auto oldState = state();
    // An uninterrupted close, timed: the kill of the next round falls within its length.
    std::chrono::microseconds closeTime{};
    const auto closeUninterrupted = [&] {
        const Clock::time_point closing = Clock::now();
        program.signal(SIGTERM);
        const int exitCode = program.wait().exitCode;
        closeTime = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - closing);
        return exitCode;
    };
    ASSERT_TRUE(program.start());
    ASSERT_EQ(closeUninterrupted(), 0);
    const auto newState = state();
    ASSERT_EQ(newState.size(), 6u);

    std::mt19937 random(20240607);
    int midWrite = 0; // kills that left some files old and others new, or a temporary file
    for (int round = 0; round < 100; ++round) {
        writeOldState();
        ASSERT_TRUE(program.start()) << round;
        program.signal(SIGTERM);
        std::this_thread::sleep_for(std::chrono::microseconds(
            std::uniform_int_distribution<std::int64_t>(0, closeTime.count())(random)));
        program.signal(SIGKILL);
        const bool killed = program.wait().killedBy == SIGKILL;

        bool allOld = true, allNew = true, leftover = false;
        for (const auto& [name, bytes] : state()) {
            if (name.find(".tmp-") != std::string::npos) {
                leftover = true; // an interrupted rewrite's leftover: the next start removes it
                continue;
            }
            ASSERT_TRUE(oldState.count(name) || newState.count(name)) << round << " " << name;
            const bool isOld = oldState.count(name) && oldState.at(name) == bytes;
            const bool isNew = newState.count(name) && newState.at(name) == bytes;
            EXPECT_TRUE(isOld || isNew) << round << " " << name << " is neither old nor new";
            allOld = allOld && isOld;
            allNew = allNew && isNew;
        }
        midWrite += killed && (leftover || (!allOld && !allNew));

        ASSERT_TRUE(program.start()) << round;
        for (const auto& [name, bytes] : state())
            EXPECT_EQ(name.find(".tmp-"), std::string::npos) << round << " " << name;
        EXPECT_EQ(closeUninterrupted(), 0) << round;
    }
    std::printf(
        "%d of 100 kills landed while the state was written (the last close took %lld µs)\n",
        midWrite, static_cast<long long>(closeTime.count()));
    EXPECT_GT(midWrite, 50);
}

} // namespace
