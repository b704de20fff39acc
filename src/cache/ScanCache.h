#pragma once
// The scan cache: for each file the engines read, what they computed from its
// contents (the hash of its first chunk, the hash of all of it, the fingerprint of
// the picture it holds), kept in an SQLite
// database keyed by the file's identity on its volume. An entry counts only while the
// file's size and modification time (to the nanosecond) are those it was read with.
//
// The cache never fails a search: a cache that cannot be opened or written is left
// aside for the rest of the run, and its problem() says why, once. A file that is not
// a database is kept as a damaged copy and the cache made anew. Two programs may use
// one cache at once (write-ahead log, a busy timeout). Entries unused for
// kPruneAfterDays days are dropped once a day, and so are the least recently used
// ones beyond kMaxEntries, and the sketches of the least recently used files beyond
// kMaxSketchBytes.

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "cache/ContentHash.h"
#include "cache/SqliteConnection.h"

namespace quorvex::cache {

inline constexpr int kPruneAfterDays = 180;
inline constexpr std::uint64_t kMaxEntries = 20'000'000;
inline constexpr std::uint64_t kMaxSketchBytes = 1ull << 30;

// What the cache holds for one file.
struct CachedFile
{
    bool firstKnown = false;
    std::uint64_t firstChunk = 0; // the hash of the first chunk the exact search reads
    bool wholeKnown = false;
    ContentHash whole; // the hash of the whole contents
    bool pictureKnown = false;
    std::uint64_t picture = 0; // the fingerprint of the picture (PictureFingerprint.h)
};

// One entry to write: a hash that is not known is left as the entry has it. A
// sketch (the similarity search's two bits per word of the whole contents), where
// given, replaces the one held.
struct CacheWrite
{
    FileStamp stamp;
    CachedFile values;
    std::string sketch;
};

struct CacheStats
{
    std::uint64_t entries = 0;
    std::uint64_t bytes = 0; // the database file and its log
};

class ScanCache
{
public:
    // Opens the cache at `path`, making it where it is missing. Null, with `problem`
    // set, when it cannot be used.
    static std::unique_ptr<ScanCache> Open(const std::string& path, std::string& problem);

    const std::string& path() const { return path_; }
    // Why the cache stopped being used during this program's run; empty while it works.
    std::string problem() const;

    // The entries for `stamps`, in their order; a stamp that is unknown, or whose
    // entry was made for another size or time, gets an empty one. Entries found are
    // marked used today (at most once a week each).
    std::vector<CachedFile> lookup(const std::vector<FileStamp>& stamps);
    // Calls `found` with the index and bytes of each of `stamps` whose sketch is held
    // for its size, time and birth; the bytes live until `found` returns.
    void lookupSketches(const std::vector<FileStamp>& stamps,
                        const std::function<void(std::size_t, std::string_view)>& found);
    // Writes the entries in one transaction. An entry whose size or time differs from
    // the one held replaces it whole.
    void write(const std::vector<CacheWrite>& writes);

    CacheStats stats();
    // The size on disk of the cache at `path` (its file and its log), opened or not.
    static std::uint64_t BytesOnDisk(const std::string& path);
    // Empties the cache and gives its space back. False when that failed (problem()).
    bool clear();
    // Drops the entries unused for `days` days and, beyond `maxEntries`, the least
    // recently used, and the sketches of the least recently used files beyond
    // `maxSketchBytes`; returns how many entries went.
    std::uint64_t prune(int days, std::uint64_t maxEntries,
                        std::uint64_t maxSketchBytes = kMaxSketchBytes);

private:
    ScanCache() = default;
    bool setUp(std::string& problem);
    void pruneOncePerDay();
    std::uint64_t dropUnused(int days, std::uint64_t maxEntries, std::uint64_t maxSketchBytes);
    void stop(const std::string& what); // records a problem and leaves the cache aside
    bool usable() const { return problem_.empty(); }

    mutable std::mutex mutex_;
    std::string path_;
    SqliteConnection db_;
    SqliteStatement select_;
    SqliteStatement selectRange_;
    SqliteStatement upsert_;
    SqliteStatement touch_;
    SqliteStatement selectSketch_;
    SqliteStatement upsertSketch_;
    std::string problem_;
    int setUpFailure_ = SQLITE_OK; // the result code that stopped setUp
};

// Days since the Unix epoch, today (UTC).
std::int64_t Today();

} // namespace quorvex::cache
