#pragma once
// A temporary folder that tests fill with files and folders in one line each, with
// chosen modification times, and that is removed with everything in it at the end.
//
//   TempTree t;
//   t.file("a/b.txt", "hello", "2024-01-02 03:04:05");   // local time (TZ of the test)
//   t.dir("a/empty");
//   t.path("a/b.txt")  -> "/tmp/qv-XXXXXX/a/b.txt" (on Windows "...\qv-...\a\b.txt")
//   t.root()           -> "/tmp/qv-XXXXXX/" (with a trailing separator)
//
// Relative paths are written with '/'; path() and the results use the system's
// separator (support/SystemText.h). Names are UTF-8 on every system.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::test {

class TempTree
{
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& root() const { return root_; }
    std::string path(std::string_view relative) const;

    // Creates the file (and its missing folders) with the given content; `mtime`
    // is "YYYY-MM-DD hh:mm:ss" in local time, or empty to keep the current time.
    std::string file(std::string_view relative, std::string_view content = {},
                     std::string_view mtime = {}) const;
    // A file of `size` bytes made of a repeating pattern seeded by `seed`.
    std::string patternFile(std::string_view relative, std::uint64_t size, unsigned seed,
                            std::string_view mtime = {}) const;
    std::string dir(std::string_view relative, std::string_view mtime = {}) const;
    std::string symlink(std::string_view relative, std::string_view target) const;
    std::string fifo(std::string_view relative) const; // Linux only

    // The attribute bits: on Linux the write permission for read-only; on Windows the
    // read-only bit itself.

    // Makes a file or folder hidden. On Linux its name must begin with '.', which
    // alone hides it; on Windows the hidden bit is set.
    void hide(std::string_view relative) const;

    void setTime(std::string_view relative, std::string_view mtime) const;
    // The modification time to the nanosecond (to the system's step: 100 ns on Windows).
    void setTimeAt(std::string_view relative, std::int64_t seconds, long nanoseconds) const;
    void setReadOnly(std::string_view relative, bool readOnly) const;
    // Linux: writes the DOS attribute extended attribute ("0x" + hex), as other
    // software does. Windows: sets the attribute word itself.
    void setDosAttrib(std::string_view relative, std::uint32_t attributes) const;

private:
    void makeParents(std::string_view relative) const;
    std::string root_;
};

// Seconds since the epoch of a local "YYYY-MM-DD hh:mm:ss".
std::int64_t LocalTimeToEpoch(std::string_view text);

// The names in a folder, sorted by bytes.
std::vector<std::string> FolderNames(const std::string& folder);

// Takes the file at `path` out of the system's page cache, as on a first run, where
// the system lets a program do so (not on Windows).
void DropFromPageCache(const std::string& path);

} // namespace quorvex::test
