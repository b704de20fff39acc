// On Windows a regular file is an entry that is neither a folder nor a reparse point
// (a link); devices never appear in a folder.

#include "actions/EmptyEntryChecks.h"

#include <windows.h>

#include <optional>

#include "platform/FaultHook.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

namespace quorvex {

namespace {

std::optional<WIN32_FILE_ATTRIBUTE_DATA> Describe(std::string_view path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(platform::win32::WidePath(path).c_str(), GetFileExInfoStandard,
                              &data))
        return std::nullopt;
    return data;
}

bool IsRegular(const WIN32_FILE_ATTRIBUTE_DATA& data)
{
    return (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

bool IsEmptyRegular(const WIN32_FILE_ATTRIBUTE_DATA& data)
{
    return IsRegular(data) && data.nFileSizeHigh == 0 && data.nFileSizeLow == 0;
}

} // namespace

bool IsEmptyRegularFile(std::string_view path)
{
    const auto data = Describe(path);
    return data && IsEmptyRegular(*data);
}

bool DeleteFileIfEmpty(std::string_view path)
{
    if (platform::IsFaultInjected(platform::FaultPoint::Remove, path))
        return false;
    const auto data = Describe(path);
    if (!data || !IsEmptyRegular(*data))
        return false;
    if (DeleteFileW(platform::win32::WidePath(path).c_str()))
        return true;
    platform::win32::RememberLastError();
    return false;
}

} // namespace quorvex
