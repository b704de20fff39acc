#include "support/TempTree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace quorvex::test {

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::int64_t LocalTimeToEpoch(std::string_view text)
{
    std::tm tm{};
    std::string s(text);
    if (std::sscanf(s.c_str(), "%d-%d-%d %d:%d:%d", &tm.tm_year, &tm.tm_mon, &tm.tm_mday,
                    &tm.tm_hour, &tm.tm_min, &tm.tm_sec) != 6)
        throw std::invalid_argument("bad time text: " + s);
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

TempTree::TempTree()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qv-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data()))
        throw std::runtime_error("mkdtemp failed");
    root_ = std::string(buffer.data()) + "/";
}

TempTree::~TempTree()
{
    std::error_code ec;
    // Read-only folders are writable for root, so a plain recursive removal serves.
    std::filesystem::remove_all(root_, ec);
}

void TempTree::makeParents(std::string_view relative) const
{
    auto parent = std::filesystem::path(path(relative)).parent_path();
    std::filesystem::create_directories(parent);
}

std::string TempTree::file(std::string_view relative, std::string_view content,
                           std::string_view mtime) const
{
    makeParents(relative);
    std::ofstream out(path(relative), std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!mtime.empty())
        setTime(relative, mtime);
    return path(relative);
}

std::string TempTree::patternFile(std::string_view relative, std::uint64_t size, unsigned seed,
                                  std::string_view mtime) const
{
    makeParents(relative);
    std::ofstream out(path(relative), std::ios::binary | std::ios::trunc);
    std::vector<char> block(1 << 16);
    std::uint32_t state = seed * 2654435761u + 1;
    for (auto& c : block) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    for (std::uint64_t written = 0; written < size;) {
        auto n = std::min<std::uint64_t>(block.size(), size - written);
        out.write(block.data(), static_cast<std::streamsize>(n));
        written += n;
    }
    out.close();
    if (!mtime.empty())
        setTime(relative, mtime);
    return path(relative);
}

std::string TempTree::dir(std::string_view relative, std::string_view mtime) const
{
    std::filesystem::create_directories(path(relative));
    if (!mtime.empty())
        setTime(relative, mtime);
    return path(relative);
}

std::string TempTree::symlink(std::string_view relative, std::string_view target) const
{
    makeParents(relative);
    std::filesystem::create_symlink(std::string(target), path(relative));
    return path(relative);
}

std::string TempTree::fifo(std::string_view relative) const
{
    makeParents(relative);
    if (::mkfifo(path(relative).c_str(), 0644) != 0)
        throw std::runtime_error("mkfifo failed");
    return path(relative);
}

void TempTree::setTime(std::string_view relative, std::string_view mtime) const
{
    timespec times[2];
    times[0].tv_sec = times[1].tv_sec = LocalTimeToEpoch(mtime);
    times[0].tv_nsec = times[1].tv_nsec = 0;
    if (::utimensat(AT_FDCWD, path(relative).c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("utimensat failed");
}

void TempTree::setReadOnly(std::string_view relative, bool readOnly) const
{
    struct stat st
    {
    };
    if (::lstat(path(relative).c_str(), &st) != 0)
        throw std::runtime_error("lstat failed");
    mode_t mode = st.st_mode & 07777;
    mode = readOnly ? (mode & ~mode_t(0222)) : (mode | S_IWUSR);
    ::chmod(path(relative).c_str(), mode);
}

void TempTree::setDosAttrib(std::string_view relative, std::uint32_t attributes) const
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", attributes);
    if (::lsetxattr(path(relative).c_str(), "user.DOSATTRIB", text, std::strlen(text), 0) != 0)
        throw std::runtime_error("lsetxattr failed");
}

} // namespace quorvex::test
