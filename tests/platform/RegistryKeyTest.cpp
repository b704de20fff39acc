// Registry keys as every system keeps them (the real registry on Windows, key files
// on Linux): typed values, names without letter case, opening with and without
// creating, and the limits of the branch.

#include <chrono>

#include <gtest/gtest.h>

#include "platform/Registry.h"

namespace quorvex::platform {
namespace {

// A key of this run alone, so that reruns never see old values.
std::string FreshKeyName()
{
    return "QuorvexTest" +
           std::to_string(std::chrono::system_clock::now().time_since_epoch().count());
}

TEST(RegistryKeys, ValuesSurviveClosingAndReopening)
{
    const std::string keyPath = VorleKeyPath(FreshKeyName());
    EXPECT_FALSE(RegistryKey::open(keyPath));
    {
        auto key = RegistryKey::openOrCreate(keyPath);
        ASSERT_TRUE(key);
        EXPECT_FALSE(key->hasValue("kbsize"));
        key->writeString("updatepath", "C:\\Program Files\\Quorvex\\ 日本 \"q\"\r\n2");
        key->writeDword("color", 0x30E2FC);
        key->writeBool("kbsize", true);
        key->writeBool("sys", false);
        key->writeDword("Color", 0x815F4E); // the same value: names ignore letter case
    }
    auto key = RegistryKey::open(keyPath);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString("UPDATEPATH"), "C:\\Program Files\\Quorvex\\ 日本 \"q\"\r\n2");
    EXPECT_EQ(key->readDword("color"), 0x815F4Eu);
    EXPECT_EQ(key->readBool("kbsize"), true);
    EXPECT_EQ(key->readBool("sys"), false);
    EXPECT_FALSE(key->readDword("updatepath")); // another type
    EXPECT_FALSE(key->readString("color"));
    EXPECT_FALSE(key->readBool("missing"));
    EXPECT_FALSE(key->isDamaged());
}

TEST(RegistryKeys, OnlyTheBranchIsReachable)
{
    EXPECT_FALSE(RegistryKey::openOrCreate("Software\\Elsewhere\\Quorvex"));
    EXPECT_FALSE(RegistryKey::openOrCreate("Software\\Vorle\\"));
    EXPECT_FALSE(RegistryKey::openOrCreate("Software\\Vorle\\..\\..\\Elsewhere"));
    EXPECT_FALSE(RegistryKey::openOrCreate("Software\\Vorle\\a\\\\b"));
    EXPECT_TRUE(RegistryKey::openOrCreate("\\software\\vorle\\" + FreshKeyName()));
}

} // namespace
} // namespace quorvex::platform
