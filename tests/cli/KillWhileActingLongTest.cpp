// quorvex-cli killed (SIGKILL) at random moments while it replaces duplicates by
// links or moves them: every path of a copy still holds its old bytes, or is a link
// to its group's kept file, or (moved) its bytes are at the new place; the kept files
// never change; and the next run removes what the killed one left and finishes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <random>

#include "platform/TextFile.h"
#include "support/KillRounds.h"
#include "support/TempTree.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;

constexpr int kGroups = 8;
constexpr int kCopies = 3;

struct Copy
{
    std::string path;
    std::string kept;
    std::string bytes;
};

class KillWhileActingTest : public ::testing::TestWithParam<const char*>
{
protected:
    // Moves go to another file system where one is at hand, so that they copy.
    void SetUp() override
    {
        struct stat shm, tmp;
        if (::stat("/dev/shm", &shm) == 0 && ::stat(t.root().c_str(), &tmp) == 0 &&
            shm.st_dev != tmp.st_dev)
            aside = "/dev/shm/qv-aside-" + std::to_string(::getpid());
        else
            aside = t.path("aside");
    }
    void TearDown() override { fs::remove_all(aside); }

    // Groups of a kept file and copies of 0.5 to 2 MiB of random bytes, so that the
    // comparisons before each replacement take a while.
    std::vector<Copy> makeTree()
    {
        fs::remove_all(t.path("s"));
        fs::remove_all(aside);
        std::mt19937 random(std::random_device{}());
        std::vector<Copy> copies;
        for (int group = 0; group < kGroups; ++group) {
            std::string bytes((512 << 10) + random() % (1536 << 10), '\0');
            for (char& c : bytes)
                c = static_cast<char>(random());
            const std::string kept = t.file("s/g" + std::to_string(group) + "/a-kept", bytes);
            for (int copy = 0; copy < kCopies; ++copy)
                copies.push_back(
                    {t.file("s/g" + std::to_string(group) + "/b-copy" + std::to_string(copy),
                            bytes),
                     kept, bytes});
        }
        return copies;
    }

    std::vector<std::string> command() const
    {
        const std::string act = GetParam();
        return {QUORVEX_CLI_PATH, "dups", "--act", act == "move" ? "move=" + aside : act,
                t.path("s")};
    }
    std::vector<std::string> environment() const { return {"QUORVEX_DATA_DIR=" + t.path("data/")}; }

    // What every copy's path (and, for a move, its new place) may hold after a kill.
    void expectNothingLost(const std::vector<Copy>& copies)
    {
        for (const Copy& copy : copies) {
            EXPECT_EQ(platform::ReadWholeFile(copy.kept), copy.bytes) << copy.kept;
            const fs::path moved =
                fs::path(aside) / fs::path(copy.path).lexically_relative(t.path("s"));
            const bool atPath = fs::exists(fs::symlink_status(copy.path));
            if (!atPath) {
                ASSERT_EQ(std::string(GetParam()), "move") << copy.path << " vanished";
                EXPECT_EQ(platform::ReadWholeFile(moved.string()), copy.bytes) << moved;
                continue;
            }
            EXPECT_EQ(platform::ReadWholeFile(copy.path), copy.bytes) << copy.path;
            if (fs::is_symlink(copy.path)) {
                EXPECT_EQ(fs::read_symlink(copy.path), fs::canonical(copy.kept)) << copy.path;
            }
        }
    }
    int temporaryFiles() const
    {
        int count = 0;
        for (const std::string& folder : {t.path("s"), aside})
            if (fs::exists(folder))
                for (const auto& entry : fs::recursive_directory_iterator(folder))
                    count += entry.path().filename().string().find(".tmp-") != std::string::npos;
        return count;
    }

    TempTree t;
    std::string aside;
};

TEST_P(KillWhileActingTest, EveryPathHoldsTheOldFileOrItsReplacementAndTheNextRunFinishes)
{
    std::vector<Copy> copies;
    KillRounds rounds;
    rounds.command = command();
    rounds.environment = environment();
    rounds.prepare = [&] { copies = makeTree(); };
    rounds.afterKill = [&] { expectNothingLost(copies); };
    // The next run removes the leftovers and finishes; a move finds the copies that
    // had arrived already and does not replace them.
    rounds.afterNextRun = [&](int exitCode) {
        EXPECT_TRUE(exitCode == 0 || (exitCode == 3 && std::string(GetParam()) == "move"))
            << exitCode;
        expectNothingLost(copies);
        if (std::string(GetParam()) == "hardlink") {
            for (const Copy& copy : copies)
                EXPECT_TRUE(fs::equivalent(copy.path, copy.kept)) << copy.path;
        }
    };
    rounds.temporaryFiles = [&] { return temporaryFiles(); };
    RunKillRounds(rounds);
}

INSTANTIATE_TEST_SUITE_P(Actions, KillWhileActingTest,
                         ::testing::Values("hardlink", "symlink", "move"));

} // namespace
} // namespace quorvex::test
