#include "platform/UserFolders.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "platform/PathText.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

std::string FolderFromEnvironment(const char* name)
{
    const std::string folder = EnvironmentText(name);
    return folder.empty() ? folder : WithTrailingSeparator(folder);
}

} // namespace

std::string EnvironmentText(const char* name)
{
    const std::wstring wideName = win32::Widen(name);
    const DWORD needed = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (needed == 0)
        return {};
    std::vector<wchar_t> value(needed);
    const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), needed);
    return length < needed ? win32::Narrow(std::wstring_view(value.data(), length)) : std::string();
}

std::string HomeFolder()
{
    return FolderFromEnvironment("USERPROFILE");
}

std::string DataHomeFolder()
{
    const std::string local = FolderFromEnvironment("LOCALAPPDATA");
    return local.empty() ? HomeFolder() : local;
}

std::string CacheHomeFolder()
{
    return DataHomeFolder();
}

std::string ConfigHomeFolder()
{
    // A relative folder is taken from the current folder, as on Linux.
    const std::string own = EnvironmentText("QUORVEX_CONFIG_HOME");
    return own.empty() ? own : WithTrailingSeparator(AbsolutePath(own));
}

std::string LogonUserName()
{
    wchar_t name[257]; // UNLEN + 1
    DWORD length = static_cast<DWORD>(std::size(name));
    if (!GetUserNameW(name, &length) || length == 0)
        return {};
    return win32::Narrow(std::wstring_view(name, length - 1)); // the count includes the NUL
}

} // namespace quorvex::platform
