// The settings store across a restart: one run of the program writes the settings
// at its close, the next reads them at its start (registry keys on Windows, key files
// on Linux). The writing run is this test program started again as a child.

#include <chrono>

#include <gtest/gtest.h>

#include "app/SettingsStore.h"
#include "platform/AppPaths.h"
#include "platform/Registry.h"
#include "support/ChildRun.h"

namespace quorvex::app {
namespace {

constexpr std::string_view kWriteStep = "write:";

// A title, and so a key, of this run alone.
std::string FreshTitle()
{
    return "QuorvexTest" +
           std::to_string(std::chrono::system_clock::now().time_since_epoch().count());
}

// The child's part: writes the settings at "close" under the title it was given.
TEST(SettingsStoreChild, WritesAtClose)
{
    const std::string step = test::ChildStep();
    if (step.rfind(kWriteStep, 0) != 0)
        GTEST_SKIP() << "runs only as the child of WrittenSettingsAreReadAfterARestart";
    Settings settings;
    settings.kbsize = false;
    settings.sys = true;
    settings.hid = true;
    settings.color = 0x00FF8000;
    settings.height = 180;
    settings.sikii = 250; // stored as it is; brought into range when read
    ASSERT_TRUE(WriteOwnSettings(step.substr(kWriteStep.size()), settings));
}

TEST(SettingsStore, WrittenSettingsAreReadAfterARestart)
{
    if (!test::ChildStep().empty())
        GTEST_SKIP();
    const std::string title = FreshTitle();
    EXPECT_FALSE(ReadOwnSettings(title, platform::ExeDir())); // no key yet
    ASSERT_EQ(test::RunThisProgram("SettingsStoreChild.*", std::string(kWriteStep) + title), 0);

    const std::optional<StoredSettings> stored = ReadOwnSettings(title, platform::ExeDir());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->kbsize, false);
    EXPECT_EQ(stored->sys, true);
    EXPECT_EQ(stored->hid, true);
    EXPECT_EQ(stored->color, 0x00FF8000u);
    EXPECT_EQ(stored->color1, 0u);
    EXPECT_EQ(stored->height, 180u);
    EXPECT_EQ(stored->sikii, kMaxThreshold);
    // The first start that finds the key without "updatepath" writes the program folder.
    EXPECT_EQ(platform::RegistryKey::open(platform::VorleKeyPath(title))->readString("updatepath"),
              platform::ExeDir());
}

} // namespace
} // namespace quorvex::app
