#pragma once
// A folder's entries one at a time, in the order the system keeps them ("." and ".."
// left out), each looked at only as far as its caller asks: the name and the kind of
// entry come with the listing itself; size, time and type cost one look at the entry
// (examine), and the attribute word may cost one more (the DOS attribute). Walks over
// huge trees build on it so that an entry they need not describe costs nothing but
// its place in the listing; ListDirectory builds its sorted listings on it too.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/FileSystem.h"

namespace quorvex::platform {

// What the listing says an entry is, before it is examined. Unknown: the file
// system does not say; examine() tells.
enum class EntryKind : std::uint8_t
{
    Folder,
    File,  // a regular file
    Link,  // a symbolic link (or reparse point)
    Other, // FIFO, socket, device
    Unknown
};

class FolderScan
{
public:
    FolderScan();
    ~FolderScan();
    FolderScan(const FolderScan&) = delete;
    FolderScan& operator=(const FolderScan&) = delete;

    // Opens the folder at `path` (a trailing separator is allowed) and closes the
    // folder open before. False when it cannot be listed; LastFailureText says why.
    bool open(std::string_view path);
    // Opens `name`, a subfolder of the folder that `parent` holds open, whose path is
    // `path`: relative to the parent where the system allows, and never through a
    // symbolic link.
    bool openChild(const FolderScan& parent, std::string_view name, std::string_view path);
    // Lets go of the system's handle of the folder once its entries have been read;
    // an openChild from it then opens by path. Bounds the handles a deep walk holds.
    void release();

    // The open folder's own entry, as its "." reports it; nullopt when it cannot be
    // described.
    std::optional<DirEntry> folderEntry() const;

    // Moves to the next entry. False at the end of the folder, or when the listing
    // broke off (failed() then tells, and LastFailureText why).
    bool next();
    bool failed() const;
    // The current entry's name: its exact bytes, valid until the next call of next().
    std::string_view name() const;
    EntryKind kind() const;

    // Looks at the current entry (at the target of a symbolic link). False when it
    // vanished since the folder was read; an entry that cannot be looked at for another
    // reason is described from its kind (a file of size 0, or a folder).
    bool examine();
    // After examine(): the entry (a link's target) is a folder; it is a regular file
    // and not a link; its size (0 for folders) and last-write time.
    bool isDirectory() const;
    bool isRegularFile() const;
    std::uint64_t size() const;
    FileTime lastWrite() const;
    // After examine(): which file it is (a link's target); unknown where the system
    // does not say without opening it.
    FileId fileId() const;
    // After examine(): the attribute word.
    std::uint32_t attributes();

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace quorvex::platform
