// quorvex-cli killed (SIGKILL) at random moments while it brings a folder up to date
// from another (compare --act update-b): every destination path holds its old file or
// the whole new one, never a part; the sources never change; and the next run removes
// the temporary files the killed one left and finishes the copies.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/TextFile.h"
#include "support/KillRounds.h"
#include "support/TempTree.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 12;

struct Pair
{
    std::string source, destination;
    std::string bytes, oldBytes; // oldBytes empty: the destination lacks the file
};

class KillWhileCopyingTest : public ::testing::Test
{
protected:
    // Files of 1 to 4 MiB of random bytes, newer in A; B holds older versions of
    // every other one and lacks the rest.
    std::vector<Pair> makeTrees()
    {
        fs::remove_all(t.path("A"));
        fs::remove_all(t.path("B"));
        t.dir("B");
        std::mt19937 random(std::random_device{}());
        const auto randomBytes = [&](std::size_t size) {
            std::string bytes(size, '\0');
            for (char& c : bytes)
                c = static_cast<char>(random());
            return bytes;
        };
        std::vector<Pair> pairs;
        for (int i = 0; i < kFiles; ++i) {
            const std::string name = "d" + std::to_string(i % 3) + "/f" + std::to_string(i);
            Pair pair{t.path("A/" + name),
                      t.path("B/" + name),
                      randomBytes((1 << 20) + random() % (3 << 20)),
                      {}};
            t.file("A/" + name, pair.bytes, "2024-06-01 00:00:00");
            if (i % 2 == 0) {
                pair.oldBytes = randomBytes(1000 + random() % 100000);
                t.file("B/" + name, pair.oldBytes, "2024-01-01 00:00:00");
            }
            pairs.push_back(std::move(pair));
        }
        return pairs;
    }

    std::vector<std::string> command() const
    {
        return {QUORVEX_CLI_PATH, "compare", "--act", "update-b", t.path("A"), t.path("B")};
    }
    std::vector<std::string> environment() const
    {
        return {"QUORVEX_DATA_DIR=" + t.path("data/"), "XDG_DATA_HOME=" + t.path("share")};
    }

    void expectNothingPartial(const std::vector<Pair>& pairs)
    {
        for (const Pair& pair : pairs) {
            EXPECT_EQ(platform::ReadWholeFile(pair.source), pair.bytes) << pair.source;
            if (!fs::exists(fs::symlink_status(pair.destination))) {
                EXPECT_EQ(pair.oldBytes, "") << pair.destination << " vanished";
                continue;
            }
            const std::string there = platform::ReadWholeFile(pair.destination).value_or("");
            EXPECT_TRUE(there == pair.bytes || (!pair.oldBytes.empty() && there == pair.oldBytes))
                << pair.destination << " holds " << there.size() << " other bytes";
        }
    }
    int temporaryFiles() const
    {
        int count = 0;
        for (const auto& entry : fs::recursive_directory_iterator(t.path("B")))
            count += entry.path().filename().string().find(".tmp-") != std::string::npos;
        return count;
    }

    TempTree t;
};

TEST_F(KillWhileCopyingTest, EveryPathHoldsItsOldFileOrTheWholeCopyAndTheNextRunFinishes)
{
    std::vector<Pair> pairs;
    KillRounds rounds;
    rounds.command = command();
    rounds.environment = environment();
    rounds.prepare = [&] { pairs = makeTrees(); };
    rounds.afterKill = [&] { expectNothingPartial(pairs); };
    rounds.afterNextRun = [&](int exitCode) {
        EXPECT_EQ(exitCode, 0);
        expectNothingPartial(pairs);
        for (const Pair& pair : pairs)
            EXPECT_EQ(platform::ReadWholeFile(pair.destination), pair.bytes) << pair.destination;
    };
    rounds.temporaryFiles = [&] { return temporaryFiles(); };
    RunKillRounds(rounds);
}

} // namespace
} // namespace quorvex::test
