// The registry branch on Windows: keys under HKEY_CURRENT_USER, read with
// RegEnumValueW and written with RegSetValueExW. REG_SZ and REG_DWORD values are
// read and written; values of other types are listed but left as they are. With
// $QUORVEX_CONFIG_HOME set, the keys are files in that folder instead
// (RegistryFiles.h).

#include <windows.h>

#include "platform/Registry.h"
#include "platform/RegistryFiles.h"
#include "platform/RegistryStore.h"
#include "platform/UserFolders.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

class KeyHandle
{
public:
    KeyHandle() = default;
    ~KeyHandle()
    {
        if (key_ != nullptr)
            RegCloseKey(key_);
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;

    HKEY* receive() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::wstring SubKey(std::string_view rest)
{
    return L"Software\\Vorle\\" + win32::Widen(rest);
}

// A REG_SZ's text without the terminating NULs the stored bytes may carry.
std::string StringOf(const std::vector<BYTE>& data, DWORD size)
{
    std::wstring_view text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0')
        text.remove_suffix(1);
    return win32::Narrow(text);
}

bool ReadValues(HKEY key, std::vector<RegistryValue>& values)
{
    DWORD count = 0, longestName = 0, longestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    std::vector<wchar_t> name(longestName + 1);
    std::vector<BYTE> data(longestData + sizeof(wchar_t));
    for (DWORD index = 0; index < count; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(),
                          &size) != ERROR_SUCCESS)
            continue; // changed while it was read: what remains is enough
        RegistryValue& value = values.emplace_back();
        value.name = win32::Narrow(std::wstring_view(name.data(), nameLength));
        if (type == REG_SZ) {
            value.kind = RegistryValue::Kind::String;
            value.text = StringOf(data, size);
        } else if (type == REG_DWORD && size == sizeof(DWORD)) {
            value.kind = RegistryValue::Kind::Dword;
            value.dword = *reinterpret_cast<const DWORD*>(data.data());
        } else {
            value.kind = RegistryValue::Kind::Other;
        }
    }
    return true;
}

bool WriteValue(HKEY key, const RegistryValue& value)
{
    const std::wstring name = win32::Widen(value.name);
    switch (value.kind) {
    case RegistryValue::Kind::String: {
        const std::wstring text = win32::Widen(value.text);
        const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        return RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
    }
    case RegistryValue::Kind::Dword: {
        const DWORD dword = value.dword;
        return RegSetValueExW(key, name.c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&dword), sizeof dword) == ERROR_SUCCESS;
    }
    case RegistryValue::Kind::Other:
        return true; // stays in the registry as it is
    }
    return false;
}

bool KeysInFiles()
{
    return !ConfigHomeFolder().empty();
}

} // namespace

std::string RegistryKeyLocation(std::string_view keyPath)
{
    if (KeysInFiles())
        return RegistryKeyFile(keyPath).value_or(std::string());
    return FullKeyName(keyPath);
}

void RemoveRegistryKeyLeftovers(std::string_view keyPath)
{
    // The registry writes each value in one step; only files leave something over.
    if (KeysInFiles())
        keyfiles::RemoveLeftovers(keyPath);
}

std::optional<StoredRegistryKey> LoadRegistryKey(std::string_view keyPath)
{
    if (KeysInFiles())
        return keyfiles::Load(keyPath);
    const std::optional<std::string_view> rest = VorleBranchRest(keyPath);
    KeyHandle key;
    if (!rest || RegOpenKeyExW(HKEY_CURRENT_USER, SubKey(*rest).c_str(), 0, KEY_READ,
                               key.receive()) != ERROR_SUCCESS)
        return std::nullopt;
    StoredRegistryKey stored;
    if (!ReadValues(key.get(), stored.values))
        return std::nullopt;
    return stored;
}

bool CanCreateRegistryKey(std::string_view keyPath)
{
    if (KeysInFiles())
        return keyfiles::CanCreate(keyPath);
    const std::optional<std::string_view> rest = VorleBranchRest(keyPath);
    if (!rest)
        return false;
    // A key that is there could not be opened for reading: it is not overwritten.
    KeyHandle key;
    return RegOpenKeyExW(HKEY_CURRENT_USER, SubKey(*rest).c_str(), 0, KEY_QUERY_VALUE,
                         key.receive()) == ERROR_FILE_NOT_FOUND;
}

bool StoreRegistryKey(std::string_view keyPath, std::vector<RegistryValue>& values, bool& damaged)
{
    if (KeysInFiles())
        return keyfiles::Store(keyPath, values, damaged);
    damaged = false; // the registry itself keeps nothing damaged
    const std::optional<std::string_view> rest = VorleBranchRest(keyPath);
    KeyHandle key;
    if (!rest || RegCreateKeyExW(HKEY_CURRENT_USER, SubKey(*rest).c_str(), 0, nullptr,
                                 REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, key.receive(),
                                 nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = true;
    for (const RegistryValue& value : values)
        ok = WriteValue(key.get(), value) && ok;
    return ok;
}

} // namespace quorvex::platform
