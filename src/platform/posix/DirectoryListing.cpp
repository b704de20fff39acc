// Listing and single-entry lookup on POSIX: the folder is opened once, every entry is
// described with fstatat relative to it, and the result is sorted by CompareEntryNames.

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/posix/EntryAttributes.h"
#include "platform/posix/PathAnchor.h"

namespace quorvex::platform {

namespace {

class DirectoryStream
{
public:
    explicit DirectoryStream(const std::string& path)
    {
        const posix::PathAnchor anchor(path);
        if (!anchor.isValid())
            return;
        fd_ = ::openat(anchor.dirFd(), anchor.name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ >= 0) {
            dir_ = ::fdopendir(fd_);
            if (dir_ == nullptr)
                ::close(fd_);
        }
    }
    ~DirectoryStream()
    {
        if (dir_ != nullptr)
            ::closedir(dir_);
    }
    DirectoryStream(const DirectoryStream&) = delete;
    DirectoryStream& operator=(const DirectoryStream&) = delete;

    bool isOpen() const { return dir_ != nullptr; }
    int fd() const { return fd_; }
    DIR* dir() const { return dir_; }

private:
    int fd_ = -1;
    DIR* dir_ = nullptr;
};

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// An entry that exists but cannot be examined (no search permission on the folder):
// still listed, from what the directory itself says.
void DescribeFromDirectoryType(const dirent& item, DirEntry& entry)
{
    const std::uint32_t hidden =
        posix::IsHiddenByName(item.d_name) ? std::uint32_t{kAttrHidden} : 0;
    entry.attributes = (item.d_type == DT_DIR ? kAttrDirectory : kAttrArchive) | hidden;
    entry.size = 0;
    entry.lastWrite = {};
}

} // namespace

bool ListDirectory(std::string_view folder, std::vector<DirEntry>& out)
{
    out.clear();
    if (IsFaultInjected(FaultPoint::List, folder))
        return false;
    const std::string folderPath(WithoutTrailingSeparators(folder));
    DirectoryStream stream(folderPath);
    struct stat folderStatus;
    if (!stream.isOpen() || ::fstat(stream.fd(), &folderStatus) != 0) {
        RememberFailure(errno);
        return false;
    }
    DirEntry dot;
    dot.attributes =
        posix::AttributeWord(folderStatus, false, posix::ReadDosAttribOfFd(stream.fd()));
    dot.lastWrite = posix::ModificationTime(folderStatus);
    dot.name = ".";
    out.push_back(dot);
    dot.name = "..";
    out.push_back(std::move(dot));

    // Full path of the current entry, for the extended attribute calls.
    std::string entryPath = folderPath;
    if (entryPath.back() != '/')
        entryPath.push_back('/');
    const std::size_t prefixLength = entryPath.size();

    for (;;) {
        errno = 0;
        const dirent* item = ::readdir(stream.dir());
        if (item == nullptr && errno == 0)
            break;
        if (item != nullptr && !IsDotOrDotDot(item->d_name)) {
            entryPath.resize(prefixLength);
            entryPath.append(item->d_name);
            if (IsFaultInjected(FaultPoint::ListNext, entryPath))
                item = nullptr;
        }
        if (item == nullptr) {
            // A listing that breaks off is no listing: a part of it would show the
            // folder with fewer entries than it has (or as empty).
            RememberFailure(errno);
            out.clear();
            return false;
        }
        if (IsDotOrDotDot(item->d_name))
            continue;
        const std::size_t nameLength = entryPath.size() - prefixLength;

        DirEntry& entry = out.emplace_back();
        entry.name.assign(item->d_name, nameLength);
        if (!posix::DescribeEntry(stream.fd(), item->d_name, entryPath.c_str(),
                                  posix::IsHiddenByName(item->d_name), entry)) {
            if (errno == ENOENT)
                out.pop_back(); // vanished since the folder was read
            else
                DescribeFromDirectoryType(*item, entry);
        }
    }
    std::sort(out.begin() + 2, out.end(), [](const DirEntry& a, const DirEntry& b) {
        return CompareEntryNames(a.name, b.name) < 0;
    });
    return true;
}

std::optional<DirEntry> LookupEntry(std::string_view path)
{
    if (path.empty() || IsFaultInjected(FaultPoint::Lookup, path))
        return std::nullopt;
    const std::string fullPath(WithoutTrailingSeparators(path));
    const std::size_t slash = fullPath.rfind('/');
    DirEntry entry;
    entry.name = slash == std::string::npos ? fullPath : fullPath.substr(slash + 1);
    const posix::PathAnchor anchor(fullPath);
    if (!anchor.isValid() ||
        !posix::DescribeEntry(anchor.dirFd(), anchor.name(), fullPath.c_str(),
                              posix::IsHiddenByName(entry.name.c_str()), entry)) {
        RememberFailure(errno);
        return std::nullopt;
    }
    return entry;
}

} // namespace quorvex::platform
