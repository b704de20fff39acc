// Windows tells no physical place through a plain handle (that takes the volume's
// retrieval pointers): files are read in the order of their file index, and a file on
// a share (one that answers the remote protocol query) is read as on a slow device.
// The seek-penalty query needs the volume opened by its device name; it is not asked,
// so a local disk counts as Unknown and is read as a solid-state one.

#include <io.h>
#include <windows.h>

#include "platform/ReadPlacement.h"

namespace quorvex::platform {

struct InputFileAccess
{
    static HANDLE handle(const InputFile& file)
    {
        return reinterpret_cast<HANDLE>(_get_osfhandle(file.fd_));
    }
};

DataPlace PlaceOfData(const InputFile& file)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!file.isOpen() || !GetFileInformationByHandle(InputFileAccess::handle(file), &info))
        return {};
    return {info.dwVolumeSerialNumber,
            (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow, false};
}

StorageKind StorageKindOf(const InputFile& file)
{
    FILE_REMOTE_PROTOCOL_INFO remote;
    if (file.isOpen() &&
        GetFileInformationByHandleEx(InputFileAccess::handle(file), FileRemoteProtocolInfo, &remote,
                                     sizeof remote))
        return StorageKind::Network;
    return StorageKind::Unknown;
}

// The files are opened with FILE_FLAG_SEQUENTIAL_SCAN, which is the read-ahead hint
// Windows takes; it has no per-range hints.
void AdviseWillRead(const InputFile&, std::uint64_t, std::uint64_t) {}

bool IsPageCached(const InputFile&, std::uint64_t)
{
    return false;
}

void AdviseReadDone(const InputFile&, std::uint64_t, std::uint64_t) {}

} // namespace quorvex::platform
