#include "platform/FileIdentity.h"

#include <windows.h>

#include "platform/FaultHook.h"
#include "platform/PathText.h"
#include "platform/win32/FileHandle.h"
#include "platform/win32/FileTimes.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

std::optional<FileIdentity> Identify(std::string_view path, DWORD flags)
{
    if (path.empty() || IsFaultInjected(FaultPoint::Lookup, path))
        return std::nullopt;
    const win32::FileHandle file(
        CreateFileW(win32::WidePath(WithoutTrailingSeparators(path)).c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    FILE_BASIC_INFO basic;
    if (!file.isOpen() || !GetFileInformationByHandle(file.get(), &info) ||
        !GetFileInformationByHandleEx(file.get(), FileBasicInfo, &basic, sizeof basic)) {
        win32::RememberLastError();
        return std::nullopt;
    }
    FileIdentity identity;
    identity.device = info.dwVolumeSerialNumber;
    identity.fileNumber =
        static_cast<std::uint64_t>(info.nFileIndexHigh) << 32 | info.nFileIndexLow;
    identity.links = info.nNumberOfLinks;
    identity.size = static_cast<std::uint64_t>(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
    identity.lastWrite = win32::FromFiletime(info.ftLastWriteTime);
    identity.changed = win32::FromFiletime(
        FILETIME{basic.ChangeTime.LowPart, static_cast<DWORD>(basic.ChangeTime.HighPart)});
    identity.link = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    identity.folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    identity.regular = !identity.link && !identity.folder;
    return identity;
}

} // namespace

std::optional<FileIdentity> IdentifyEntry(std::string_view path)
{
    return Identify(path, FILE_FLAG_OPEN_REPARSE_POINT);
}

std::optional<FileIdentity> IdentifyTarget(std::string_view path)
{
    return Identify(path, 0);
}

std::string CanonicalPath(std::string_view path)
{
    const win32::FileHandle file(
        CreateFileW(win32::WidePath(WithoutTrailingSeparators(path)).c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.isOpen())
        return AbsolutePath(path);
    std::wstring final(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file.get(), final.data(), DWORD(final.size()), 0);
    if (length >= final.size()) {
        final.resize(length);
        length = GetFinalPathNameByHandleW(file.get(), final.data(), DWORD(final.size()), 0);
    }
    if (length == 0 || length >= final.size())
        return AbsolutePath(path);
    final.resize(length);
    // "\\?\C:\..." and "\\?\UNC\server\..." as the plain forms.
    if (final.rfind(L"\\\\?\\UNC\\", 0) == 0)
        final = L"\\\\" + final.substr(8);
    else if (final.rfind(L"\\\\?\\", 0) == 0)
        final = final.substr(4);
    return win32::Narrow(final);
}

} // namespace quorvex::platform
