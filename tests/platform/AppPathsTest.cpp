#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/InstanceLock.h"
#include "platform/PathText.h"
#include "platform/TextFile.h"
#include "platform/UserFolders.h"
#include "support/TempTree.h"

namespace quorvex::platform {
namespace {

TEST(AppPaths, FirstStartAdoptsTheOldFilesOnce)
{
    test::TempTree t;
    const std::string exeDir = t.dir("prog/");
    for (int n = 1; n <= 4; ++n)
        t.file("prog/data/data" + std::to_string(n) + ".txt", "history " + std::to_string(n));
    t.file("prog/gomi.txt", "/old=16");

    const std::string userDir = PrepareUserDataDir(exeDir, "taro", t.path("fallback"));
    EXPECT_EQ(userDir, exeDir + "data/taro/");
    for (int n = 1; n <= 4; ++n) {
        const std::string name = "data" + std::to_string(n) + ".txt";
        EXPECT_EQ(ReadWholeFile(userDir + name), "history " + std::to_string(n));
        EXPECT_FALSE(IsExistingFile(exeDir + "data/" + name));
    }
    EXPECT_EQ(ReadWholeFile(userDir + "gomi.txt"), "/old=16");
    EXPECT_FALSE(IsExistingFile(exeDir + "gomi.txt"));
    EXPECT_FALSE(IsExistingFolder(t.path("fallback")));

    // Later starts, and other users' first starts, move nothing.
    t.file("prog/gomi.txt", "/newer=16");
    EXPECT_EQ(PrepareUserDataDir(exeDir, "taro", t.path("fallback")), userDir);
    EXPECT_EQ(ReadWholeFile(userDir + "gomi.txt"), "/old=16");
    t.file("prog/data/hanako/gomi.txt", "hers");
    EXPECT_EQ(PrepareUserDataDir(exeDir, "hanako", t.path("fallback")), exeDir + "data/hanako/");
    EXPECT_EQ(ReadWholeFile(exeDir + "gomi.txt"), "/newer=16");
    EXPECT_EQ(ReadWholeFile(exeDir + "data/hanako/gomi.txt"), "hers");
}

TEST(AppPaths, NonPortableInstallationsUseTheFallback)
{
    test::TempTree t;
    const std::string exeDir = t.dir("usr/bin");
    EXPECT_EQ(PrepareUserDataDir(exeDir, "taro", t.path("share/Quorvex")),
              t.path("share/Quorvex/"));
    EXPECT_TRUE(IsExistingFolder(t.path("share/Quorvex")));
    EXPECT_FALSE(IsExistingFolder(t.path("usr/bin/data")));

    // A data folder that cannot be made (a file is in the way) falls back too.
    t.file("portable/data/taro", "a file");
    EXPECT_EQ(PrepareUserDataDir(t.path("portable/"), "taro", t.path("fb/")), t.path("fb/"));
}

TEST(AppPaths, ProgramFolderAndOverride)
{
    const std::string exeDir = ExeDir();
    ASSERT_FALSE(exeDir.empty());
    EXPECT_EQ(exeDir.back(), '/');
    EXPECT_TRUE(IsExistingFile(exeDir + "test_platform"));

    test::TempTree t;
    const auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto restore = [](const char* name, const std::optional<std::string>& value) {
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    };
    const std::optional<std::string> data = saved("QUORVEX_DATA_DIR");
    const std::optional<std::string> config = saved("QUORVEX_CONFIG_HOME");
    ::setenv("QUORVEX_DATA_DIR", t.path("chosen").c_str(), 1);
    EXPECT_EQ(UserDataDir(), t.path("chosen/"));
    EXPECT_TRUE(IsExistingFolder(t.path("chosen")));
    // Relative folders in either override are taken from the current folder.
    const std::string before = std::filesystem::current_path();
    std::filesystem::current_path(t.root());
    ::setenv("QUORVEX_DATA_DIR", "here//", 1);
    ::setenv("QUORVEX_CONFIG_HOME", "conf", 1);
    EXPECT_EQ(UserDataDir(), t.path("here//"));
    EXPECT_EQ(ConfigHomeFolder(), t.path("conf/"));
    std::filesystem::current_path(before);
    restore("QUORVEX_DATA_DIR", data);
    restore("QUORVEX_CONFIG_HOME", config);

    EXPECT_EQ(WithTrailingSeparator("/a"), "/a/");
    EXPECT_EQ(WithTrailingSeparator("/a/"), "/a/");
    EXPECT_EQ(WithOneTrailingSeparator("a///"), "a/");
    EXPECT_EQ(WithOneTrailingSeparator("///"), "/");
    EXPECT_TRUE(IsSeparatorAt("/d\x81/", 3)); // no double-byte rule in UTF-8
    EXPECT_FALSE(IsSeparatorAt("/a", 5));
}

TEST(InstanceLock, DefaultPathFollowsTheRuntimeFolder)
{
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = old ? old : "";
    ::setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
    EXPECT_EQ(InstanceLock::DefaultPath(), "/run/user/1000/Quorvex.lock");
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(InstanceLock::DefaultPath(), "/tmp/Quorvex-" + std::to_string(::geteuid()) + ".lock");
    if (old)
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}

} // namespace
} // namespace quorvex::platform
