#include "platform/ReadPlacement.h"

#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/FaultHook.h"
#include "platform/posix/InputFileAccess.h"

namespace quorvex::platform {

namespace {

// File systems whose every request crosses a network (or a user-space server such
// as sshfs): their magic numbers in statfs's f_type.
bool IsNetworkFileSystem(long type)
{
    switch (static_cast<unsigned long>(type)) {
    case 0x6969:     // NFS
    case 0x517B:     // SMB
    case 0xFF534D42: // CIFS
    case 0xFE534D42: // SMB2
    case 0x65735546: // FUSE (sshfs and other user-space file systems)
    case 0x01021997: // 9P
    case 0x5346414F: // AFS
    case 0x00C36400: // Ceph
    case 0x73757245: // Coda
    case 0x564C:     // NCP
        return true;
    default:
        return false;
    }
}

// The queue of a block device: a partition has none of its own, its disk has it;
// device-mapper and loop devices have their own.
StorageKind KindOfBlockDevice(dev_t device)
{
    if (major(device) == 0) // an anonymous device (btrfs, overlay, tmpfs): no disk behind it
        return StorageKind::Unknown;
    const std::string link =
        "/sys/dev/block/" + std::to_string(major(device)) + ":" + std::to_string(minor(device));
    char resolved[PATH_MAX];
    if (::realpath(link.c_str(), resolved) == nullptr)
        return StorageKind::Unknown;
    std::string disk = resolved;
    if (::access((disk + "/partition").c_str(), F_OK) == 0)
        disk.erase(disk.rfind('/'));
    std::ifstream rotational(disk + "/queue/rotational");
    int value = -1;
    if (!(rotational >> value))
        return StorageKind::Unknown;
    return value == 1 ? StorageKind::Rotational : StorageKind::SolidState;
}

} // namespace

DataPlace PlaceOfData(const InputFile& file)
{
    const int fd = InputFileAccess::fd(file);
    struct stat status;
    if (fd < 0 || ::fstat(fd, &status) != 0)
        return {};
    DataPlace place{static_cast<std::uint64_t>(status.st_dev),
                    static_cast<std::uint64_t>(status.st_ino), false};
    if (IsFaultInjected(FaultPoint::Place, InputFileAccess::faultPath(file)))
        return place;
    // The request asks for one extent, whose record follows the header.
    alignas(struct fiemap) unsigned char
        request[sizeof(struct fiemap) + sizeof(struct fiemap_extent)] = {};
    auto* map = reinterpret_cast<struct fiemap*>(request);
    map->fm_length = FIEMAP_MAX_OFFSET;
    map->fm_extent_count = 1;
    constexpr unsigned kNotPlaced =
        FIEMAP_EXTENT_UNKNOWN | FIEMAP_EXTENT_DELALLOC | FIEMAP_EXTENT_DATA_INLINE;
    if (::ioctl(fd, FS_IOC_FIEMAP, map) == 0 && map->fm_mapped_extents == 1 &&
        (map->fm_extents[0].fe_flags & kNotPlaced) == 0) {
        place.offset = map->fm_extents[0].fe_physical;
        place.physical = true;
    }
    return place;
}

StorageKind StorageKindOf(const InputFile& file)
{
    const int fd = InputFileAccess::fd(file);
    struct statfs fileSystem;
    if (fd < 0 || ::fstatfs(fd, &fileSystem) != 0)
        return StorageKind::Unknown;
    if (IsNetworkFileSystem(fileSystem.f_type))
        return StorageKind::Network;
    struct stat status;
    if (::fstat(fd, &status) != 0)
        return StorageKind::Unknown;
    return KindOfBlockDevice(status.st_dev);
}

void AdviseWillRead(const InputFile& file, std::uint64_t offset, std::uint64_t length)
{
    ::posix_fadvise(InputFileAccess::fd(file), static_cast<off_t>(offset),
                    static_cast<off_t>(length), POSIX_FADV_WILLNEED);
}

bool IsPageCached(const InputFile& file, std::uint64_t offset)
{
    // A read that may not wait for the disk fails with EAGAIN unless the page is cached.
    char byte;
    iovec vector{&byte, 1};
    return ::preadv2(InputFileAccess::fd(file), &vector, 1, static_cast<off_t>(offset),
                     RWF_NOWAIT) >= 0;
}

void AdviseReadDone(const InputFile& file, std::uint64_t offset, std::uint64_t length)
{
    ::posix_fadvise(InputFileAccess::fd(file), static_cast<off_t>(offset),
                    static_cast<off_t>(length), POSIX_FADV_DONTNEED);
}

} // namespace quorvex::platform
