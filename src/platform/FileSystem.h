#pragma once
// File-system services of the platform layer: listing, single-entry lookup,
// attribute words, reading files, creating and removing entries.
//
// Paths are std::string holding the exact bytes of the name (UTF-8 on Linux, but
// any bytes are kept). The separator is '/'. Nothing here depends on Qt.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform {

// Attribute bits, with the values of the Windows attribute word.
enum AttributeBits : std::uint32_t
{
    kAttrReadOnly = 0x01,
    kAttrHidden = 0x02,
    kAttrSystem = 0x04,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
    kAttrNormal = 0x80,
    kAttrTemporary = 0x100,
    kAttrReparsePoint = 0x400,
};

// A point in time as the file system reports it: seconds and nanoseconds since the
// Unix epoch, UTC.
struct FileTime
{
    std::int64_t seconds = 0;
    std::int32_t nanoseconds = 0;

    bool operator==(const FileTime&) const = default;
};

// Which file an entry is on its volume: the file system's number and the file's
// number there, both 0 where the system does not tell it cheaply (Windows listings);
// and its birth time, which tells a new file from a removed one whose number it took
// (0 where the file system keeps none).
struct FileId
{
    std::uint64_t device = 0;
    std::uint64_t number = 0;
    std::int64_t birthNs = 0;

    bool known() const { return device != 0 || number != 0; }
};

struct DirEntry
{
    std::string name;             // exact bytes, no path
    std::uint32_t attributes = 0; // the attribute word
    std::uint64_t size = 0;       // 0 for folders
    FileTime lastWrite;
    FileId id; // of the file described (a symbolic link's target)

    bool isDirectory() const { return (attributes & kAttrDirectory) != 0; }
    bool isDotName() const { return name == "." || name == ".."; }
};

// Lists a folder (with or without a trailing '/'). On success `out` holds "." and
// ".." first (with the listed folder's attribute word), then every other entry
// sorted by name: ASCII case-insensitive first, then by bytes. Returns false when
// the folder cannot be listed (out is then empty).
bool ListDirectory(std::string_view folder, std::vector<DirEntry>& out);

// The order of listed entries: ASCII case-insensitive first, then by bytes.
// Negative, zero or positive like strcmp; zero only for identical names.
int CompareEntryNames(std::string_view a, std::string_view b);

// Looks one entry up by its full path (a trailing '/' is ignored). The name in the
// result is the last component of the path.
std::optional<DirEntry> LookupEntry(std::string_view path);

bool IsExistingFolder(std::string_view path);
bool IsExistingFile(std::string_view path); // anything that exists and is not a folder

// The attribute word of an existing entry, or nullopt.
std::optional<std::uint32_t> GetAttributes(std::string_view path);
// Sets read-only (write bits) and writes user.DOSATTRIB for hidden, system, archive
// and temporary where the file system allows it. Failures are ignored; returns
// false only when the entry does not exist.
bool SetAttributes(std::string_view path, std::uint32_t attributes);

// A folder held open so that files in it open by name, without the system walking
// the folder's whole path again for each one. Where the system keeps no handle of a
// folder, it holds the path, and opening by name joins the two.
class OpenFolder
{
public:
    OpenFolder() = default;
    ~OpenFolder();
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    // Opens the folder at `path` (a trailing separator is allowed) and lets go of the
    // one open before. False when it cannot be opened.
    bool open(std::string_view path);
    void close();
    // The path of the open folder, ending in the separator.
    const std::string& path() const { return path_; }

private:
    friend class InputFile;
    std::string path_;
    int handle_ = -1; // the system's handle of the folder, where it keeps one
};

// A file opened for binary reading. Opening never blocks and succeeds only for
// regular files: FIFOs, sockets and devices count as files that cannot be opened and
// are never opened at all (opening one can release a writer or wake a device). Reads
// end at the size the file had when it was opened: a file that grows meanwhile is
// read over that length, one that shrinks ends early, and a file whose size says 0
// (as in /proc) reads as empty.
class InputFile
{
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;

    bool open(std::string_view path);
    // Opens the file `name` of an open folder, as open(folder.path() + name) would.
    bool open(const OpenFolder& folder, std::string_view name);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    std::uint64_t size() const { return size_; }
    // One read request; returns the bytes read (0 at the end), or -1 on an error.
    std::int64_t read(void* buffer, std::size_t length);
    // Reads at an absolute offset without moving the file position.
    std::int64_t readAt(void* buffer, std::size_t length, std::uint64_t offset);

private:
    friend struct InputFileAccess; // the placement queries of ReadPlacement.h
    // The part of `length` bytes from `offset` that lies within the opened size.
    std::size_t lengthWithin(std::size_t length, std::uint64_t offset) const;
    // Takes the system's descriptor of a file just opened, of `size` bytes, at `path`.
    void adopt(int fd, std::uint64_t size, std::string_view path);
    // Forgets the file once the system's descriptor is closed.
    void forget();

    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0; // of read()
    std::string faultPath_;      // kept only while a fault hook is installed
};

// Creation and removal. Each returns true on success.
bool CreateFolderWithParents(std::string_view path);
// Creates an empty file only when nothing exists at the path (never truncates).
bool CreateEmptyFileExclusive(std::string_view path);
// Lets only the owner read and write an existing file or folder (and enter a
// folder). Folders of the user's own profile need nothing on Windows.
bool RestrictToOwner(std::string_view path);
bool RemoveEmptyFolder(std::string_view path); // rmdir: only an empty directory
bool DeleteRegularFile(std::string_view path); // unlink of a file, never a folder
// Renames a file or folder; fails when something already exists at `to`.
bool MoveEntry(std::string_view from, std::string_view to);
// Makes a durable copy of the file `from` at `to`, where nothing may exist yet (a
// second name for the same bytes where the file system allows it). A symbolic link
// at `from` is copied as a link, never followed.
bool CopyToNewFile(std::string_view from, std::string_view to);

// Fault injection for tests: when set, the hook is asked before each of these
// operations; returning true makes it fail as if the system refused it, with the
// reason (LastFailureText) the system would give.
enum class FaultPoint
{
    List,     // listing a folder (permission denied)
    ListNext, // each entry while listing, with its full path (an I/O error mid-way)
    Lookup,   // looking one entry up (it vanished)
    Open,     // opening a file for reading (permission denied)
    Read,     // each read from an open file (an I/O error)
    Write,    // an atomic rewrite (TextFile.h), with the file to replace (disk full)
    Rename,   // the rename that completes an atomic rewrite or moves an entry (disk full)
    Remove,   // removing a file or an empty folder (busy)
    Link,     // making a hard or symbolic link, with the path it is made for (too many links)
    Clone,    // cloning a file's contents, with the path of the clone's file (not supported)
    Place     // asking where an open file's data lies (not told: its number stands in)
};
using FaultHook = std::function<bool(FaultPoint, std::string_view path)>;
void SetFaultHook(FaultHook hook);

} // namespace quorvex::platform
