#pragma once
// What the cache knows a file by, and the hash of a file's whole contents.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

struct XXH3_state_s;

namespace quorvex::cache {

// A file's identity on its volume and the size and time it had when it was read: a
// cache entry counts only while all of them are unchanged, so a rename or a move
// within the volume and a further hard link keep it, and a new file that took a
// removed one's number (with another birth time) does not.
struct FileStamp
{
    std::uint64_t device = 0;
    std::uint64_t number = 0;
    std::uint64_t size = 0;
    std::int64_t lastWriteNs = 0; // nanoseconds since the Unix epoch
    std::int64_t birthNs = 0;     // 0 where the file system keeps no birth time

    bool known() const { return device != 0 || number != 0; }
};

// The stamp of a listed file.
FileStamp StampOf(const platform::DirEntry& entry);

// A 128-bit hash of a file's contents (XXH3): files whose hashes are equal are
// taken to be equal without comparing their bytes.
struct ContentHash
{
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    friend bool operator==(const ContentHash&, const ContentHash&) = default;
    friend bool operator<(const ContentHash& a, const ContentHash& b)
    {
        return a.high != b.high ? a.high < b.high : a.low < b.low;
    }
};

ContentHash HashBytes(const void* bytes, std::size_t size);
// Reads the whole file at `path` (`file`, where handed over open), which must still be
// `size` bytes long, and hashes it, asking `keepGoing` after every megabyte (a caller
// pumps its messages there). Nullopt when it cannot be read or its size changed
// (`failure` says why), or when `keepGoing` said stop (`failure` empty).
std::optional<ContentHash> HashFile(std::string_view path, std::uint64_t size, std::string& failure,
                                    const std::function<bool()>& keepGoing,
                                    platform::InputFile file = {});

// Hashes contents handed over piece by piece.
class ContentHasher
{
public:
    ContentHasher();
    ~ContentHasher();
    ContentHasher(const ContentHasher&) = delete;
    ContentHasher& operator=(const ContentHasher&) = delete;

    void reset();
    void add(const void* bytes, std::size_t size);
    ContentHash result() const;

private:
    std::unique_ptr<XXH3_state_s, void (*)(XXH3_state_s*)> state_;
};

} // namespace quorvex::cache
