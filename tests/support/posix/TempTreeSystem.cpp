// The parts of TempTree that use POSIX calls: the temporary root, links, FIFOs,
// times, permissions and the DOS attribute extended attribute.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "support/TempTree.h"

namespace quorvex::test {

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

void TempTree::hide(std::string_view relative) const
{
    const std::size_t slash = relative.rfind('/');
    if (relative.substr(slash == std::string_view::npos ? 0 : slash + 1, 1) != ".")
        throw std::invalid_argument("only a name with a leading '.' is hidden here");
}

void TempTree::setTime(std::string_view relative, std::string_view mtime) const
{
    setTimeAt(relative, LocalTimeToEpoch(mtime), 0);
}

void TempTree::setTimeAt(std::string_view relative, std::int64_t seconds, long nanoseconds) const
{
    const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
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

void DropFromPageCache(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

} // namespace quorvex::test
