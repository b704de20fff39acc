// The freedesktop.org trash on POSIX. A trash folder holds "files/" (the trashed
// entries) and "info/" (one "<name>.trashinfo" per entry). A name is reserved by
// creating its info file exclusively; only then is the entry renamed into "files/",
// so two programs trashing at once never share a name and nothing is overwritten.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <utility>

#include "platform/DesktopTrash.h"
#include "platform/DosTime.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/UserFolders.h"

namespace quorvex::platform {

namespace {

// Room left in a 255-byte name for ".trashinfo" and a number that makes it unique.
constexpr std::size_t kMaxTrashNameBytes = 255 - 10 - 8;
constexpr int kMaxNameAttempts = 100000;

struct TrashFolder
{
    std::string root; // with a trailing '/'; holds files/ and info/
    // The folder the recorded path is relative to ("/"-terminated), empty for the
    // user's trash, which records absolute paths.
    std::string relativeTo;
};

enum class Placement
{
    Moved,
    OtherFileSystem, // the entry and the trash lie on different file systems
    Failed
};

bool isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// The "Path=" value: every byte but unreserved characters and '/' as %XX, so that any
// name (newlines and invalid UTF-8 included) survives the key file exactly.
std::string percentEncoded(std::string_view path)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(path.size());
    for (const char byte : path) {
        const auto c = static_cast<unsigned char>(byte);
        if (isUnreserved(c) || c == '/') {
            text += byte;
        } else {
            text += '%';
            text += kHex[c >> 4];
            text += kHex[c & 0x0F];
        }
    }
    return text;
}

std::string deletionDateNow()
{
    const CalendarTime now =
        ToLocalCalendar(FileTime{static_cast<std::int64_t>(std::time(nullptr))});
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", now.year, now.month, now.day,
                  now.hour, now.minute, now.second);
    return text;
}

bool isFolder(const std::string& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// A folder of the user's own trash: created private, or any existing folder (the
// user may have linked the trash elsewhere).
bool makeUserTrashFolder(const std::string& path)
{
    return ::mkdir(path.c_str(), 0700) == 0 || (errno == EEXIST && isFolder(path));
}

// A folder of a shared file system's trash: created private, or an existing folder
// of this user that is not a link, so that no one else can redirect what is trashed.
bool makeOwnTrashFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0700) == 0)
        return true;
    struct stat status;
    return errno == EEXIST && ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid();
}

std::optional<TrashFolder> openTrash(std::string root, std::string relativeTo,
                                     bool (*makeFolder)(const std::string&))
{
    if (!makeFolder(root) || !makeFolder(root + "files") || !makeFolder(root + "info"))
        return std::nullopt;
    return TrashFolder{std::move(root), std::move(relativeTo)};
}

std::optional<TrashFolder> userTrash()
{
    const std::string dataHome = DataHomeFolder();
    if (!CreateFolderWithParents(dataHome))
        return std::nullopt;
    return openTrash(dataHome + "Trash/", {}, makeUserTrashFolder);
}

// The trash at the top of a file system: the administrator's shared ".Trash" (a
// sticky folder, not a link) with one folder per user, else ".Trash-<uid>".
std::optional<TrashFolder> topTrash(const std::string& top)
{
    const std::string uid = EffectiveUserId();
    const std::string shared = top + ".Trash";
    struct stat status;
    if (::lstat(shared.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
        (status.st_mode & S_ISVTX) != 0) {
        if (auto trash = openTrash(shared + "/" + uid + "/", top, makeOwnTrashFolder))
            return trash;
    }
    return openTrash(top + ".Trash-" + uid + "/", top, makeOwnTrashFolder);
}

// Where an entry lies: its file system and the mount of it. One file system mounted
// twice (a bind mount) is two places: nothing is renamed from one into the other.
struct Volume
{
    dev_t device = 0;
    std::uint64_t mount = 0; // 0 where the system does not tell
    bool operator==(const Volume&) const = default;
};

std::optional<Volume> volumeOf(const std::string& path, int flags)
{
    struct statx status;
    if (::statx(AT_FDCWD, path.c_str(), flags, STATX_MNT_ID, &status) != 0)
        return std::nullopt;
    return Volume{makedev(status.stx_dev_major, status.stx_dev_minor),
                  (status.stx_mask & STATX_MNT_ID) != 0 ? status.stx_mnt_id : 0};
}

// The highest folder above `path` on its own mount ("/"-terminated), where its
// top-level trash belongs; nullopt when `path` is itself the top (a mount point
// cannot be trashed).
std::optional<std::string> mountTop(const std::string& path, const Volume& volume)
{
    std::string top = path;
    while (top != "/") {
        const std::size_t slash = top.rfind('/');
        const std::string parent = slash == 0 ? std::string("/") : top.substr(0, slash);
        const std::optional<Volume> above = volumeOf(parent, 0);
        if (!above)
            return std::nullopt;
        if (*above != volume)
            break;
        top = parent;
    }
    if (top == path)
        return std::nullopt;
    return top == "/" ? top : top + "/";
}

// The entry's name, shortened (at a character boundary) so that its info file name
// fits.
std::string trashBaseName(const std::string& path)
{
    std::string name = path.substr(path.rfind('/') + 1);
    if (name.size() <= kMaxTrashNameBytes)
        return name;
    std::size_t cut = kMaxTrashNameBytes;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    name.resize(cut);
    return name;
}

// "a.txt", then "a.2.txt", "a.3.txt" ...; names without an extension get ".2" ...
std::string numberedName(const std::string& name, int number)
{
    if (number == 1)
        return name;
    const std::size_t dot = name.rfind('.');
    const std::string suffix = "." + std::to_string(number);
    if (dot == std::string::npos || dot == 0)
        return name + suffix;
    return name.substr(0, dot) + suffix + name.substr(dot);
}

bool writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates the info file only when the name is free; false when it is taken (errno
// EEXIST) or cannot be written.
bool writeInfoExclusive(const std::string& infoPath, const std::string& record)
{
    const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, record);
    if (::close(fd) == 0 && written)
        return true;
    ::unlink(infoPath.c_str());
    errno = EIO;
    return false;
}

// How an entry goes into the trash: renamed there, or given a second name there while
// it stays where it is (a file about to be replaced).
enum class Entering
{
    Move,
    Link
};

bool enter(Entering how, const std::string& path, const std::string& target)
{
    if (how == Entering::Move)
        return MoveEntry(path, target);
    return ::linkat(AT_FDCWD, path.c_str(), AT_FDCWD, target.c_str(), 0) == 0;
}

Placement placeIn(const TrashFolder& trash, const std::string& path, Entering how,
                  std::string& placedAt)
{
    const std::string recorded = path.substr(trash.relativeTo.size());
    const std::string record = "[Trash Info]\nPath=" + percentEncoded(recorded) +
                               "\nDeletionDate=" + deletionDateNow() + "\n";
    const std::string name = trashBaseName(path);
    for (int number = 1; number <= kMaxNameAttempts; ++number) {
        const std::string candidate = numberedName(name, number);
        const std::string infoPath = trash.root + "info/" + candidate + ".trashinfo";
        if (!writeInfoExclusive(infoPath, record)) {
            if (errno == EEXIST)
                continue;
            return Placement::Failed;
        }
        const std::string target = trash.root + "files/" + candidate;
        // A leftover entry in files/ without its info keeps its name.
        if (LookupEntry(target)) {
            ::unlink(infoPath.c_str());
            continue;
        }
        if (enter(how, path, target)) {
            placedAt = target;
            return Placement::Moved;
        }
        const int error = errno;
        ::unlink(infoPath.c_str());
        if (error == EEXIST)
            continue; // taken in the meantime
        return error == EXDEV ? Placement::OtherFileSystem : Placement::Failed;
    }
    return Placement::Failed;
}

// Whether `path` is `folder` ("/"-terminated) or lies below it.
bool lies(std::string_view path, std::string_view folder)
{
    return path.starts_with(folder) || path == folder.substr(0, folder.size() - 1);
}

} // namespace

bool LiesInDesktopTrash(std::string_view path)
{
    const std::string uid = EffectiveUserId();
    if (lies(path, CanonicalPath(DataHomeFolder() + "Trash") + "/"))
        return true;
    // A volume's trash: a folder ".Trash-<uid>", or "<uid>" in a folder ".Trash".
    std::string_view before;
    for (std::size_t start = 1; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view name = path.substr(start, end - start);
        if (name == ".Trash-" + uid || (before == ".Trash" && name == uid))
            return true;
        before = name;
        start = end + 1;
    }
    return false;
}

namespace {

std::optional<std::string> PutInDesktopTrash(std::string_view given, Entering how)
{
    const std::string path(WithoutTrailingSeparators(given));
    const std::optional<Volume> volume =
        path.size() < 2 || path.front() != '/' ? std::nullopt : volumeOf(path, AT_SYMLINK_NOFOLLOW);
    if (!volume)
        return std::nullopt;

    std::string placedAt;
    const std::optional<TrashFolder> home = userTrash();
    if (!home)
        return std::nullopt;
    Placement placement = placeIn(*home, path, how, placedAt);
    if (placement == Placement::OtherFileSystem) {
        const std::optional<std::string> top = mountTop(path, *volume);
        const std::optional<TrashFolder> trash = top ? topTrash(*top) : std::nullopt;
        placement = trash ? placeIn(*trash, path, how, placedAt) : Placement::Failed;
    }
    if (placement != Placement::Moved)
        return std::nullopt;
    return placedAt;
}

} // namespace

std::optional<std::string> MoveToDesktopTrash(std::string_view path)
{
    return PutInDesktopTrash(path, Entering::Move);
}

std::optional<std::string> LinkIntoDesktopTrash(std::string_view path)
{
    return PutInDesktopTrash(path, Entering::Link);
}

void TakeOutOfDesktopTrash(std::string_view placedAt)
{
    const std::string entry(placedAt);
    const std::size_t slash = entry.rfind("/files/");
    if (slash == std::string::npos)
        return;
    const std::string info =
        entry.substr(0, slash) + "/info/" + entry.substr(slash + 7) + ".trashinfo";
    ::unlink(entry.c_str());
    ::unlink(info.c_str());
}

} // namespace quorvex::platform
