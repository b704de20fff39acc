// A folder's entries on POSIX: getdents64 into a buffer of the scan's own (no
// allocation per entry), the kind from d_type, one fstatat when the caller examines
// an entry and the DOS attribute only when it asks for the attribute word.
// Subfolders open relative to their parent's descriptor, so the kernel does not walk
// the whole path again for every folder.

#include "platform/FolderScan.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/PathText.h"
#include "platform/posix/EntryAttributes.h"
#include "platform/posix/PathAnchor.h"

namespace quorvex::platform {

namespace {

// Bytes of directory records read per call, as readdir reads them.
constexpr std::size_t kRecordBytes = 32 * 1024;

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

EntryKind KindOf(unsigned char type)
{
    switch (type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_REG:
        return EntryKind::File;
    case DT_LNK:
        return EntryKind::Link;
    case DT_UNKNOWN:
        return EntryKind::Unknown;
    default:
        return EntryKind::Other;
    }
}

// Opens a folder by path; the last component is followed only when `followLink`.
int OpenFolderByPath(std::string_view path, bool followLink)
{
    const std::string folderPath(WithoutTrailingSeparators(path));
    const posix::PathAnchor anchor(folderPath);
    if (!anchor.isValid())
        return -1;
    return ::openat(anchor.dirFd(), anchor.name(),
                    O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
}

} // namespace

struct FolderScan::State
{
    int fd = -1;
    std::string prefix; // the folder's path with a trailing separator
    std::unique_ptr<char[]> records;
    std::size_t filled = 0;
    std::size_t offset = 0;
    const dirent64* current = nullptr;
    bool failed = false;

    // The current entry after examine().
    posix::EntryStatus status;
    bool describedFromKind = false; // it could not be looked at
    std::optional<std::uint32_t> attributes;
    std::string childName; // openChild's name, terminated

    void closeFolder()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }

    bool begin(int openedFd, std::string_view path)
    {
        if (openedFd < 0) {
            RememberFailure(errno);
            return false;
        }
        fd = openedFd;
        prefix = WithTrailingSeparator(path);
        if (!records)
            records = std::make_unique<char[]>(kRecordBytes);
        filled = offset = 0;
        current = nullptr;
        failed = false;
        return true;
    }

    posix::EntryPlace place() const { return {fd, current->d_name, prefix}; }
};

FolderScan::FolderScan() : state_(std::make_unique<State>()) {}

FolderScan::~FolderScan()
{
    state_->closeFolder();
}

bool FolderScan::open(std::string_view path)
{
    state_->closeFolder();
    if (IsFaultInjected(FaultPoint::List, path))
        return false;
    return state_->begin(OpenFolderByPath(path, true), path);
}

bool FolderScan::openChild(const FolderScan& parent, std::string_view name, std::string_view path)
{
    state_->closeFolder();
    if (IsFaultInjected(FaultPoint::List, path))
        return false;
    int fd;
    if (parent.state_->fd >= 0) {
        state_->childName.assign(name);
        fd = ::openat(parent.state_->fd, state_->childName.c_str(),
                      O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    } else {
        fd = OpenFolderByPath(path, false);
    }
    return state_->begin(fd, path);
}

void FolderScan::release()
{
    state_->closeFolder();
    state_->records.reset();
    state_->current = nullptr;
}

std::optional<DirEntry> FolderScan::folderEntry() const
{
    struct stat status;
    if (state_->fd < 0 || ::fstat(state_->fd, &status) != 0) {
        RememberFailure(errno);
        return std::nullopt;
    }
    DirEntry entry;
    entry.name = ".";
    entry.attributes = posix::AttributeWord(status, false, posix::ReadDosAttribOfFd(state_->fd));
    entry.lastWrite = posix::ModificationTime(status);
    return entry;
}

bool FolderScan::next()
{
    State& s = *state_;
    s.current = nullptr;
    if (s.fd < 0 || s.failed)
        return false;
    for (;;) {
        if (s.offset >= s.filled) {
            const ssize_t got = ::getdents64(s.fd, s.records.get(), kRecordBytes);
            if (got <= 0) {
                // A listing that breaks off is reported, never taken for its end.
                if (got < 0) {
                    s.failed = true;
                    RememberFailure(errno);
                }
                return false;
            }
            s.filled = static_cast<std::size_t>(got);
            s.offset = 0;
        }
        const auto* record = reinterpret_cast<const dirent64*>(s.records.get() + s.offset);
        s.offset += record->d_reclen;
        if (IsDotOrDotDot(record->d_name))
            continue;
        if (IsFaultHookInstalled() &&
            IsFaultInjected(FaultPoint::ListNext, s.prefix + record->d_name)) {
            s.failed = true;
            return false;
        }
        s.current = record;
        s.attributes.reset();
        s.describedFromKind = false;
        return true;
    }
}

bool FolderScan::failed() const
{
    return state_->failed;
}

std::string_view FolderScan::name() const
{
    return state_->current->d_name;
}

EntryKind FolderScan::kind() const
{
    return KindOf(state_->current->d_type);
}

bool FolderScan::examine()
{
    State& s = *state_;
    s.attributes.reset();
    s.describedFromKind = false;
    if (posix::StatEntry(s.place(), s.status))
        return true;
    if (errno == ENOENT)
        return false; // vanished since the folder was read
    // It exists but cannot be looked at (no search permission on the folder): what
    // the directory itself says describes it.
    s.describedFromKind = true;
    return true;
}

bool FolderScan::isDirectory() const
{
    if (state_->describedFromKind)
        return kind() == EntryKind::Folder;
    return S_ISDIR(state_->status.described().st_mode);
}

bool FolderScan::isRegularFile() const
{
    if (state_->describedFromKind)
        return kind() != EntryKind::Folder;
    return !state_->status.link && S_ISREG(state_->status.own.st_mode);
}

std::uint64_t FolderScan::size() const
{
    if (state_->describedFromKind)
        return 0;
    return posix::SizeOf(state_->status);
}

FileTime FolderScan::lastWrite() const
{
    if (state_->describedFromKind)
        return {};
    return posix::ModificationTime(state_->status.described());
}

FileId FolderScan::fileId() const
{
    if (state_->describedFromKind)
        return {};
    return posix::IdOf(state_->status);
}

std::uint32_t FolderScan::attributes()
{
    State& s = *state_;
    if (!s.attributes) {
        const bool hidden = posix::IsHiddenByName(s.current->d_name);
        if (s.describedFromKind)
            s.attributes = (kind() == EntryKind::Folder ? kAttrDirectory : kAttrArchive) |
                           (hidden ? std::uint32_t{kAttrHidden} : 0);
        else
            s.attributes = posix::AttributesOf(s.place(), s.status, hidden);
    }
    return *s.attributes;
}

} // namespace quorvex::platform
