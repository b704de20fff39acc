// The parts of TempTree that use Windows calls: the temporary root, links, times and
// the attribute word.

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "support/TempTree.h"

namespace quorvex::test {

namespace {

std::filesystem::path FsPath(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

constexpr std::int64_t kEpochDifference = 11644473600; // seconds from 1601 to 1970

void SetAttributeWord(const std::filesystem::path& path, DWORD attributes)
{
    if (!SetFileAttributesW(path.c_str(), attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL))
        throw std::runtime_error("SetFileAttributesW failed");
}

} // namespace

std::int64_t LocalTimeToEpoch(std::string_view text)
{
    int year, month, day, hour, minute, second;
    const std::string s(text);
    if (std::sscanf(s.c_str(), "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second) !=
        6)
        throw std::invalid_argument("bad time text: " + s);
    // The same time zone rules that FileTimeToLocalFileTime applies to the listing.
    const SYSTEMTIME local{WORD(year),   WORD(month),  0, WORD(day), WORD(hour),
                           WORD(minute), WORD(second), 0};
    SYSTEMTIME utc;
    FILETIME time;
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) ||
        !SystemTimeToFileTime(&utc, &time))
        throw std::invalid_argument("time outside the calendar: " + s);
    const auto ticks = static_cast<std::int64_t>(
        ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart);
    return ticks / 10'000'000 - kEpochDifference;
}

TempTree::TempTree()
{
    static std::atomic<unsigned> counter{0};
    const std::string name = "qv-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(GetTickCount64()) + "-" +
                             std::to_string(counter.fetch_add(1));
    const std::filesystem::path root = std::filesystem::temp_directory_path() / name;
    if (!std::filesystem::create_directory(root))
        throw std::runtime_error("temporary folder exists");
    root_ = Utf8(root) + "\\";
}

TempTree::~TempTree()
{
    // Read-only entries cannot be removed on Windows: their bit goes first.
    std::error_code ec;
    const std::filesystem::path root = FsPath(root_);
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(root, ec);
}

std::string TempTree::symlink(std::string_view relative, std::string_view target) const
{
    makeParents(relative);
    std::filesystem::create_symlink(FsPath(target), FsPath(path(relative)));
    return path(relative);
}

std::string TempTree::fifo(std::string_view) const
{
    throw std::logic_error("Windows folders hold no FIFOs");
}

void TempTree::hide(std::string_view relative) const
{
    const std::filesystem::path entry = FsPath(path(relative));
    SetAttributeWord(entry, GetFileAttributesW(entry.c_str()) | FILE_ATTRIBUTE_HIDDEN);
}

void TempTree::setTime(std::string_view relative, std::string_view mtime) const
{
    setTimeAt(relative, LocalTimeToEpoch(mtime), 0);
}

void TempTree::setTimeAt(std::string_view relative, std::int64_t seconds, long nanoseconds) const
{
    const std::int64_t ticks = (seconds + kEpochDifference) * 10'000'000 + nanoseconds / 100;
    const FILETIME time{DWORD(ticks), DWORD(ticks >> 32)};
    // Backup semantics open folders too; the link itself, not its target, is changed.
    const HANDLE entry =
        CreateFileW(FsPath(path(relative)).c_str(), FILE_WRITE_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (entry == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open for its time: " + path(relative));
    const bool ok = SetFileTime(entry, nullptr, nullptr, &time);
    CloseHandle(entry);
    if (!ok)
        throw std::runtime_error("SetFileTime failed");
}

void TempTree::setReadOnly(std::string_view relative, bool readOnly) const
{
    const std::filesystem::path entry = FsPath(path(relative));
    const DWORD attributes = GetFileAttributesW(entry.c_str());
    SetAttributeWord(entry, readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                                     : attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
}

void TempTree::setDosAttrib(std::string_view relative, std::uint32_t attributes) const
{
    SetAttributeWord(FsPath(path(relative)), attributes & ~DWORD{FILE_ATTRIBUTE_DIRECTORY});
}

void DropFromPageCache(const std::string&) {}

} // namespace quorvex::test
