// The single-instance mutex and the registry of the Windows layer, checked against
// the system itself.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/InstanceLock.h"
#include "platform/Registry.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {
namespace {

TEST(Win32Process, TheNamedMutexAdmitsOneHolder)
{
    const std::string name = "QuorvexTest-" + std::to_string(GetCurrentProcessId());
    EXPECT_EQ(InstanceLock::DefaultPath(name), name);
    {
        InstanceLock first(name);
        ASSERT_TRUE(first.tryAcquire());
        EXPECT_FALSE(first.heldByAnother());
        InstanceLock second(name);
        EXPECT_FALSE(second.tryAcquire());
        EXPECT_TRUE(second.heldByAnother());
    }
    InstanceLock afterwards(name);
    EXPECT_TRUE(afterwards.tryAcquire());
    EXPECT_FALSE(afterwards.heldByAnother());
}

TEST(Win32Process, KeysLiveInTheCurrentUsersRegistry)
{
    const std::string rest = "QuorvexTest" + std::to_string(GetCurrentProcessId());
    const std::wstring subKey = L"Software\\Vorle\\" + win32::Widen(rest);
    HKEY raw = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    const BYTE blob[] = {1, 2, 3};
    RegSetValueExW(raw, L"Binary", 0, REG_BINARY, blob, sizeof blob);
    {
        auto key = RegistryKey::open(VorleKeyPath(rest));
        ASSERT_TRUE(key);
        EXPECT_TRUE(key->hasValue("binary"));
        EXPECT_FALSE(key->readString("Binary"));
        key->writeString("Title", "画像 한");
        key->writeDword("color", 0x30E2FC);
    }
    wchar_t text[32];
    DWORD size = sizeof text, type = 0;
    EXPECT_EQ(RegQueryValueExW(raw, L"Title", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(text), L"画像 한");
    DWORD color = 0;
    size = sizeof color;
    EXPECT_EQ(
        RegQueryValueExW(raw, L"color", nullptr, &type, reinterpret_cast<BYTE*>(&color), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(color, 0x30E2FCu);
    BYTE kept[8];
    size = sizeof kept;
    EXPECT_EQ(RegQueryValueExW(raw, L"Binary", nullptr, &type, kept, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, sizeof blob); // left as it was
    RegCloseKey(raw);
    RegDeleteTreeW(HKEY_CURRENT_USER, subKey.c_str());
}

} // namespace
} // namespace quorvex::platform
