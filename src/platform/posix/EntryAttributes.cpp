#include "platform/posix/EntryAttributes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <string_view>

#include "platform/DosAttribText.h"

namespace quorvex::platform::posix {

namespace {

// getxattrat(2), Linux 6.13 and later; glibc 2.36 neither wraps nor names it. 464 is
// its number in the system call table that all current architectures share.
#ifdef SYS_getxattrat
constexpr long kGetxattrat = SYS_getxattrat;
#else
constexpr long kGetxattrat = 464;
#endif
struct XattrArgs
{
    std::uint64_t value;
    std::uint32_t size;
    std::uint32_t flags;
};

constexpr std::uint32_t kDosAttribBits = kAttrHidden | kAttrSystem | kAttrArchive | kAttrTemporary;

// Parses a value read into a buffer; longer values (Samba's binary form starts with
// the same "0x..." text, NUL-terminated) are handled by reading only the beginning.
std::optional<std::uint32_t> ParseRead(const char* buffer, ssize_t length)
{
    if (length <= 0)
        return std::nullopt;
    return ParseDosAttribText(std::string_view(buffer, static_cast<std::size_t>(length)));
}

std::optional<std::uint32_t> ReadDosAttrib(const char* path, bool followLinks)
{
    char buffer[256];
    ssize_t length = followLinks ? getxattr(path, kDosAttribName, buffer, sizeof buffer)
                                 : lgetxattr(path, kDosAttribName, buffer, sizeof buffer);
    return ParseRead(buffer, length);
}

// user.DOSATTRIB of the entry at `place`, of a link itself unless followLinks.
std::optional<std::uint32_t> ReadDosAttribAt(const EntryPlace& place, bool followLinks)
{
    // One lookup relative to the open folder instead of a walk of the full path:
    // the listing's cost per entry stays close to that of fstatat alone.
    static std::atomic<bool> unavailable{false};
    if (!unavailable.load(std::memory_order_relaxed)) {
        char buffer[256];
        XattrArgs args{reinterpret_cast<std::uintptr_t>(buffer), sizeof buffer, 0};
        const long length =
            ::syscall(kGetxattrat, place.dirFd, place.nameInDir,
                      followLinks ? 0 : AT_SYMLINK_NOFOLLOW, kDosAttribName, &args, sizeof args);
        if (length >= 0 || errno != ENOSYS)
            return ParseRead(buffer, length);
        unavailable.store(true, std::memory_order_relaxed);
    }
    const std::string fullPath = std::string(place.folderPrefix) + place.nameInDir;
    return ReadDosAttrib(fullPath.c_str(), followLinks);
}

// One statx(2): the status as stat(2) gives it, and the birth time where the file
// system keeps one, for the cost of one look.
bool StatWithBirth(const EntryPlace& place, int flags, struct stat& out, std::int64_t& birth)
{
    struct statx status;
    if (::statx(place.dirFd, place.nameInDir, flags, STATX_BASIC_STATS | STATX_BTIME, &status) != 0)
        return false;
    out = {};
    out.st_dev = makedev(status.stx_dev_major, status.stx_dev_minor);
    out.st_ino = status.stx_ino;
    out.st_mode = status.stx_mode;
    out.st_nlink = status.stx_nlink;
    out.st_uid = status.stx_uid;
    out.st_gid = status.stx_gid;
    out.st_rdev = makedev(status.stx_rdev_major, status.stx_rdev_minor);
    out.st_size = static_cast<off_t>(status.stx_size);
    out.st_blksize = static_cast<blksize_t>(status.stx_blksize);
    out.st_blocks = static_cast<blkcnt_t>(status.stx_blocks);
    const auto time = [](const statx_timestamp& t) { return timespec{t.tv_sec, t.tv_nsec}; };
    out.st_atim = time(status.stx_atime);
    out.st_mtim = time(status.stx_mtime);
    out.st_ctim = time(status.stx_ctime);
    birth = (status.stx_mask & STATX_BTIME) != 0
                ? status.stx_btime.tv_sec * 1'000'000'000 + status.stx_btime.tv_nsec
                : 0;
    return true;
}

} // namespace

std::uint32_t AttributeWord(const struct stat& status, bool hiddenByName,
                            std::optional<std::uint32_t> dosAttrib)
{
    const bool isDir = S_ISDIR(status.st_mode);
    const bool isRegular = S_ISREG(status.st_mode);
    std::uint32_t word = 0;
    if (isDir)
        word |= kAttrDirectory;
    if ((status.st_mode & S_IWUSR) == 0)
        word |= kAttrReadOnly;
    if (hiddenByName)
        word |= kAttrHidden;
    if (!isDir && !isRegular)
        word |= kAttrSystem;
    if (dosAttrib)
        word |= *dosAttrib & kDosAttribBits;
    else if (isRegular)
        word |= kAttrArchive;
    return word == 0 ? kAttrNormal : word;
}

std::optional<std::uint32_t> ReadDosAttribOfFd(int fd)
{
    char buffer[256];
    return ParseRead(buffer, fgetxattr(fd, kDosAttribName, buffer, sizeof buffer));
}

bool IsHiddenByName(const char* name)
{
    if (name[0] != '.')
        return false;
    return !(name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

FileTime ModificationTime(const struct stat& status)
{
    return FileTime{static_cast<std::int64_t>(status.st_mtim.tv_sec),
                    static_cast<std::int32_t>(status.st_mtim.tv_nsec)};
}

bool StatEntry(const EntryPlace& place, EntryStatus& status)
{
    status.link = status.dangling = false;
    if (!StatWithBirth(place, AT_SYMLINK_NOFOLLOW, status.own, status.ownBirth))
        return false;
    if (S_ISLNK(status.own.st_mode)) {
        status.link = true;
        status.dangling = !StatWithBirth(place, 0, status.target, status.targetBirth);
    }
    return true;
}

std::uint32_t AttributesOf(const EntryPlace& place, const EntryStatus& status, bool hiddenByName)
{
    if (!status.link)
        return AttributeWord(status.own, hiddenByName, ReadDosAttribAt(place, false));
    // A dangling link: a file with the link bit alone.
    if (status.dangling)
        return kAttrReparsePoint | (hiddenByName ? std::uint32_t{kAttrHidden} : 0);
    return AttributeWord(status.target, hiddenByName, ReadDosAttribAt(place, true)) |
           kAttrReparsePoint;
}

std::uint64_t SizeOf(const EntryStatus& status)
{
    const struct stat& described = status.described();
    return S_ISDIR(described.st_mode) || status.dangling
               ? 0
               : static_cast<std::uint64_t>(described.st_size);
}

bool DescribeEntry(const EntryPlace& place, bool hiddenByName, DirEntry& entry)
{
    EntryStatus status;
    if (!StatEntry(place, status))
        return false;
    entry.attributes = AttributesOf(place, status, hiddenByName);
    entry.size = SizeOf(status);
    entry.lastWrite = ModificationTime(status.described());
    entry.id = IdOf(status);
    return true;
}

FileId IdOf(const EntryStatus& status)
{
    return {static_cast<std::uint64_t>(status.described().st_dev),
            static_cast<std::uint64_t>(status.described().st_ino), status.describedBirth()};
}

} // namespace quorvex::platform::posix
