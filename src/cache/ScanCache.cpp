#include "cache/ScanCache.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <numeric>
#include <optional>
#include <tuple>

#include "cache/CacheLocation.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace quorvex::cache {

namespace {

// The layout of the database; a file of another layout is emptied and made anew,
// except one of layout 2, which lacked only the pictures' fingerprints and the
// sketches and gains them.
constexpr int kFormat = 4;
constexpr int kFormatBefore = 2;
constexpr std::int64_t kTouchAfterDays = 7;
// Lookups of many stamps read the entries between their numbers in ranges of up to
// kRangeStamps stamps, while those hold at most kRangeRowsPerStamp entries a stamp.
constexpr std::size_t kRangeStamps = 1024;
constexpr std::size_t kRangeLeast = 8;
constexpr std::int64_t kRangeRowsPerStamp = 4;
constexpr int kBusyMilliseconds = 10'000;

constexpr const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS files(
    device INTEGER NOT NULL,
    inode INTEGER NOT NULL,
    size INTEGER NOT NULL,
    mtime INTEGER NOT NULL,
    born INTEGER NOT NULL,
    used INTEGER NOT NULL,
    first_hash INTEGER,
    whole_hash BLOB,
    picture INTEGER,
    PRIMARY KEY(device, inode)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS meta(key TEXT PRIMARY KEY, value INTEGER) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS sketches(
    device INTEGER NOT NULL,
    inode INTEGER NOT NULL,
    size INTEGER NOT NULL,
    mtime INTEGER NOT NULL,
    born INTEGER NOT NULL,
    sketch BLOB NOT NULL,
    PRIMARY KEY(device, inode));
)";

constexpr const char* kUpsertSketch = R"(
INSERT OR REPLACE INTO sketches(device, inode, size, mtime, born, sketch)
VALUES(?1, ?2, ?3, ?4, ?5, ?6)
)";

// A stale entry (other size, time or birth) is replaced whole; a fresh one keeps the
// hashes that the write does not bring.
constexpr const char* kUpsert = R"(
INSERT INTO files(device, inode, size, mtime, born, used, first_hash, whole_hash, picture)
VALUES(?1, ?2, ?3, ?4, ?8, ?5, ?6, ?7, ?9)
ON CONFLICT(device, inode) DO UPDATE SET
    first_hash = CASE WHEN size = excluded.size AND mtime = excluded.mtime AND born = excluded.born
                      THEN coalesce(excluded.first_hash, first_hash) ELSE excluded.first_hash END,
    whole_hash = CASE WHEN size = excluded.size AND mtime = excluded.mtime AND born = excluded.born
                      THEN coalesce(excluded.whole_hash, whole_hash) ELSE excluded.whole_hash END,
    picture = CASE WHEN size = excluded.size AND mtime = excluded.mtime AND born = excluded.born
                   THEN coalesce(excluded.picture, picture) ELSE excluded.picture END,
    size = excluded.size, mtime = excluded.mtime, born = excluded.born, used = excluded.used
)";

std::int64_t AsColumn(std::uint64_t value)
{
    std::int64_t column;
    std::memcpy(&column, &value, sizeof column);
    return column;
}

void BindKey(SqliteStatement& statement, const FileStamp& stamp)
{
    statement.bind(1, AsColumn(stamp.device));
    statement.bind(2, AsColumn(stamp.number));
}

// Whether the size, time and birth in columns `first`.. are the stamp's.
bool HoldsFor(const SqliteStatement& statement, int first, const FileStamp& stamp)
{
    return statement.integer(first) == AsColumn(stamp.size) &&
           statement.integer(first + 1) == stamp.lastWriteNs &&
           statement.integer(first + 2) == stamp.birthNs;
}

// The stamps' indices in key order, in which lookups walk the tree's pages once.
std::vector<std::size_t> KeyOrder(const std::vector<FileStamp>& stamps)
{
    std::vector<std::size_t> order(stamps.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(stamps[a].device, stamps[a].number) <
               std::tie(stamps[b].device, stamps[b].number);
    });
    return order;
}

// The hash as 16 bytes, low half first.
void BindHash(SqliteStatement& statement, int index, const ContentHash& hash)
{
    unsigned char bytes[16];
    std::memcpy(bytes, &hash.low, 8);
    std::memcpy(bytes + 8, &hash.high, 8);
    statement.bind(index, bytes, sizeof bytes);
}

std::uint64_t FileBytes(const std::string& path)
{
    const std::optional<platform::DirEntry> entry = platform::LookupEntry(path);
    return entry ? entry->size : 0;
}

// Sets a damaged database aside as a damaged copy and removes it with its logs.
void SetAside(const std::string& path)
{
    platform::KeepDamagedCopy(path);
    for (const char* suffix : {"", "-wal", "-shm"})
        platform::DeleteRegularFile(path + suffix);
}

} // namespace

std::int64_t Today()
{
    using namespace std::chrono;
    return duration_cast<days>(system_clock::now().time_since_epoch()).count();
}

std::unique_ptr<ScanCache> ScanCache::Open(const std::string& path, std::string& problem)
{
    if (!PrepareCacheFile(path, problem))
        return nullptr;
    std::unique_ptr<ScanCache> cache(new ScanCache);
    cache->path_ = path;
    if (cache->setUp(problem))
        return cache;
    if (!IsDamage(cache->setUpFailure_))
        return nullptr;
    cache->db_.close();
    SetAside(path);
    problem.clear();
    if (!PrepareCacheFile(path, problem) || !cache->setUp(problem))
        return nullptr;
    return cache;
}

bool ScanCache::setUp(std::string& problem)
{
    const auto fail = [&] {
        problem = path_ + ": " + db_.lastError();
        setUpFailure_ = db_.lastCode();
        return false;
    };
    if (db_.open(path_) != SQLITE_OK)
        return fail();
    if (db_.execute(("PRAGMA busy_timeout = " + std::to_string(kBusyMilliseconds)).c_str()) !=
        SQLITE_OK)
        return fail();
    // The write-ahead log lets readers and one writer of two programs share the file,
    // and keeps it whole when a program is killed at any instant.
    if (db_.execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL") != SQLITE_OK)
        return fail();
    // One program makes or renews the tables while others wait for it.
    if (db_.execute("BEGIN IMMEDIATE") != SQLITE_OK)
        return fail();
    const std::int64_t format = db_.queryInteger("PRAGMA user_version", -1);
    const bool kept = format == kFormat || format == kFormatBefore || format == 0;
    if (format < 0 ||
        (format == kFormatBefore &&
         db_.execute("ALTER TABLE files ADD COLUMN picture INTEGER") != SQLITE_OK) ||
        (!kept && db_.execute("DROP TABLE IF EXISTS files; DROP TABLE IF EXISTS meta; "
                              "DROP TABLE IF EXISTS sketches") != SQLITE_OK) ||
        db_.execute(kSchema) != SQLITE_OK ||
        db_.execute(("PRAGMA user_version = " + std::to_string(kFormat)).c_str()) != SQLITE_OK) {
        const bool failed = fail();
        db_.execute("ROLLBACK");
        return failed;
    }
    if (db_.execute("COMMIT") != SQLITE_OK)
        return fail();
    for (auto [statement, sql] :
         {std::pair{&select_, "SELECT size, mtime, born, used, first_hash, whole_hash, picture "
                              "FROM files WHERE device = ?1 AND inode = ?2"},
          std::pair{&selectRange_,
                    "SELECT inode, size, mtime, born, used, first_hash, whole_hash, picture "
                    "FROM files WHERE device = ?1 AND inode BETWEEN ?2 AND ?3 ORDER BY inode "
                    "LIMIT ?4"},
          std::pair{&upsert_, kUpsert},
          std::pair{&touch_, "UPDATE files SET used = ?3 WHERE device = ?1 AND inode = ?2"},
          std::pair{&selectSketch_, "SELECT size, mtime, born, sketch FROM sketches "
                                    "WHERE device = ?1 AND inode = ?2"},
          std::pair{&upsertSketch_, kUpsertSketch}}) {
        *statement = db_.prepare(sql);
        if (!statement->valid())
            return fail();
    }
    pruneOncePerDay();
    return true;
}

void ScanCache::pruneOncePerDay()
{
    const std::int64_t today = Today();
    if (db_.queryInteger("SELECT value FROM meta WHERE key = 'pruned'", 0) >= today)
        return;
    dropUnused(kPruneAfterDays, kMaxEntries, kMaxSketchBytes);
    db_.execute(
        ("INSERT OR REPLACE INTO meta VALUES('pruned', " + std::to_string(today) + ")").c_str());
}

std::string ScanCache::problem() const
{
    const std::lock_guard lock(mutex_);
    return problem_;
}

void ScanCache::stop(const std::string& what)
{
    if (problem_.empty())
        problem_ = path_ + ": " + what + ": " + db_.lastError();
    if (IsDamage(db_.lastCode())) {
        select_ = {};
        selectRange_ = {};
        upsert_ = {};
        touch_ = {};
        selectSketch_ = {};
        upsertSketch_ = {};
        db_.close();
        SetAside(path_);
    }
}

std::vector<CachedFile> ScanCache::lookup(const std::vector<FileStamp>& stamps)
{
    std::vector<CachedFile> found(stamps.size());
    const std::lock_guard lock(mutex_);
    if (!usable())
        return found;
    std::vector<std::size_t> order = KeyOrder(stamps);
    std::erase_if(order, [&](std::size_t i) { return !stamps[i].known(); });
    const std::int64_t today = Today();
    std::vector<std::size_t> toTouch;
    // The entry in `row` from column `first` on (size, time, birth, used, hashes,
    // picture), where it was made for stamp i's size, time and birth.
    const auto take = [&](std::size_t i, const SqliteStatement& row, int first) {
        if (!HoldsFor(row, first, stamps[i]))
            return;
        CachedFile& file = found[i];
        file.firstKnown = !row.isNull(first + 4);
        file.firstChunk = static_cast<std::uint64_t>(row.integer(first + 4));
        const std::string_view whole = row.blob(first + 5);
        if (whole.size() == 16) {
            file.wholeKnown = true;
            std::memcpy(&file.whole.low, whole.data(), 8);
            std::memcpy(&file.whole.high, whole.data() + 8, 8);
        }
        file.pictureKnown = !row.isNull(first + 6);
        file.picture = static_cast<std::uint64_t>(row.integer(first + 6));
        if (row.integer(first + 3) < today - kTouchAfterDays)
            toTouch.push_back(i);
    };
    const auto failed = [](int code) { return code != SQLITE_ROW && code != SQLITE_DONE; };
    // One stamp at a time: a lookup by key.
    const auto lookUpEach = [&](std::size_t from, std::size_t end) {
        for (std::size_t k = from; k < end; ++k) {
            BindKey(select_, stamps[order[k]]);
            const int code = select_.step();
            if (code == SQLITE_ROW)
                take(order[k], select_, 0);
            select_.reset();
            if (failed(code))
                return false;
        }
        return true;
    };
    // Stamps [from, end) of one device at once: the entries between their numbers, read
    // in key order beside them. Where those entries are many more than the stamps
    // (other folders' files between them), lookups by key read less: nullopt then.
    const auto lookUpRange = [&](std::size_t from, std::size_t end) -> std::optional<bool> {
        const std::int64_t most = static_cast<std::int64_t>(end - from) * kRangeRowsPerStamp;
        BindKey(selectRange_, stamps[order[from]]);
        selectRange_.bind(3, AsColumn(stamps[order[end - 1]].number));
        selectRange_.bind(4, most + 1);
        std::int64_t rows = 0;
        int code;
        std::size_t k = from;
        while ((code = selectRange_.step()) == SQLITE_ROW && ++rows <= most) {
            const auto number = static_cast<std::uint64_t>(selectRange_.integer(0));
            while (k < end && stamps[order[k]].number < number)
                ++k;
            for (std::size_t same = k; same < end && stamps[order[same]].number == number; ++same)
                take(order[same], selectRange_, 1);
        }
        selectRange_.reset();
        if (failed(code))
            return false;
        if (rows > most)
            return std::nullopt;
        return true;
    };
    if (db_.execute("BEGIN") != SQLITE_OK) {
        stop("cannot read");
        return found;
    }
    for (std::size_t from = 0; from < order.size();) {
        // A range spans numbers that keep their order as the database's signed ones.
        const FileStamp& first = stamps[order[from]];
        std::size_t end = from;
        while (end < order.size() && end - from < kRangeStamps &&
               stamps[order[end]].device == first.device &&
               stamps[order[end]].number <= static_cast<std::uint64_t>(INT64_MAX))
            ++end;
        bool read;
        if (end - from < kRangeLeast) {
            end = std::max(end, from + 1);
            read = lookUpEach(from, end);
        } else {
            const std::optional<bool> ranged = lookUpRange(from, end);
            read = ranged ? *ranged : lookUpEach(from, end);
        }
        if (!read) {
            db_.execute("ROLLBACK");
            stop("cannot read");
            return std::vector<CachedFile>(stamps.size());
        }
        from = end;
    }
    db_.execute("COMMIT");
    if (toTouch.empty() || db_.execute("BEGIN IMMEDIATE") != SQLITE_OK)
        return found; // marking entries used can wait for another run
    for (const std::size_t i : toTouch) {
        BindKey(touch_, stamps[i]);
        touch_.bind(3, today);
        touch_.step();
        touch_.reset();
    }
    if (db_.execute("COMMIT") != SQLITE_OK)
        db_.execute("ROLLBACK");
    return found;
}

void ScanCache::lookupSketches(const std::vector<FileStamp>& stamps,
                               const std::function<void(std::size_t, std::string_view)>& found)
{
    const std::lock_guard lock(mutex_);
    if (!usable() || stamps.empty())
        return;
    if (db_.execute("BEGIN") != SQLITE_OK) {
        stop("cannot read");
        return;
    }
    for (const std::size_t i : KeyOrder(stamps)) {
        if (!stamps[i].known())
            continue;
        BindKey(selectSketch_, stamps[i]);
        const int code = selectSketch_.step();
        if (code == SQLITE_ROW && HoldsFor(selectSketch_, 0, stamps[i]))
            found(i, selectSketch_.blob(3));
        selectSketch_.reset();
        if (code != SQLITE_ROW && code != SQLITE_DONE) {
            db_.execute("ROLLBACK");
            stop("cannot read");
            return;
        }
    }
    db_.execute("COMMIT");
}

void ScanCache::write(const std::vector<CacheWrite>& writes)
{
    const std::lock_guard lock(mutex_);
    if (!usable() || writes.empty())
        return;
    // Waits for another program's write up to the busy timeout.
    if (db_.execute("BEGIN IMMEDIATE") != SQLITE_OK) {
        if ((db_.lastCode() & 0xff) != SQLITE_BUSY)
            stop("cannot write");
        return; // still busy: these entries are read again next time
    }
    const std::int64_t today = Today();
    for (const CacheWrite& write : writes) {
        BindKey(upsert_, write.stamp);
        upsert_.bind(3, AsColumn(write.stamp.size));
        upsert_.bind(4, write.stamp.lastWriteNs);
        upsert_.bind(5, today);
        upsert_.bind(8, write.stamp.birthNs);
        if (write.values.firstKnown)
            upsert_.bind(6, AsColumn(write.values.firstChunk));
        else
            upsert_.bindNull(6);
        if (write.values.wholeKnown)
            BindHash(upsert_, 7, write.values.whole);
        else
            upsert_.bindNull(7);
        if (write.values.pictureKnown)
            upsert_.bind(9, AsColumn(write.values.picture));
        else
            upsert_.bindNull(9);
        int code = upsert_.step();
        upsert_.reset();
        if (code == SQLITE_DONE && !write.sketch.empty()) {
            BindKey(upsertSketch_, write.stamp);
            upsertSketch_.bind(3, AsColumn(write.stamp.size));
            upsertSketch_.bind(4, write.stamp.lastWriteNs);
            upsertSketch_.bind(5, write.stamp.birthNs);
            upsertSketch_.bind(6, write.sketch.data(), static_cast<int>(write.sketch.size()));
            code = upsertSketch_.step();
            upsertSketch_.reset();
        }
        if (code != SQLITE_DONE) {
            db_.execute("ROLLBACK");
            stop("cannot write");
            return;
        }
    }
    if (db_.execute("COMMIT") != SQLITE_OK) {
        db_.execute("ROLLBACK");
        stop("cannot write");
    }
}

CacheStats ScanCache::stats()
{
    const std::lock_guard lock(mutex_);
    CacheStats stats;
    if (db_.isOpen())
        stats.entries =
            static_cast<std::uint64_t>(db_.queryInteger("SELECT count(*) FROM files", 0));
    stats.bytes = BytesOnDisk(path_);
    return stats;
}

std::uint64_t ScanCache::BytesOnDisk(const std::string& path)
{
    return FileBytes(path) + FileBytes(path + "-wal");
}

bool ScanCache::clear()
{
    const std::lock_guard lock(mutex_);
    if (!usable())
        return false;
    if (db_.execute("DELETE FROM files; DELETE FROM sketches") != SQLITE_OK ||
        db_.execute("VACUUM") != SQLITE_OK ||
        db_.execute("PRAGMA wal_checkpoint(TRUNCATE)") != SQLITE_OK) {
        stop("cannot empty");
        return false;
    }
    return true;
}

std::uint64_t ScanCache::prune(int days, std::uint64_t maxEntries, std::uint64_t maxSketchBytes)
{
    const std::lock_guard lock(mutex_);
    return dropUnused(days, maxEntries, maxSketchBytes);
}

std::uint64_t ScanCache::dropUnused(int days, std::uint64_t maxEntries,
                                    std::uint64_t maxSketchBytes)
{
    if (!db_.isOpen())
        return 0;
    const std::int64_t before = db_.queryInteger("SELECT count(*) FROM files", 0);
    const std::string oldest = "DELETE FROM files WHERE used < " + std::to_string(Today() - days);
    // Beyond the cap, the entries used longest ago go first.
    const std::string overCap =
        "DELETE FROM files WHERE (device, inode) IN (SELECT device, inode "
        "FROM files ORDER BY used LIMIT max(0, (SELECT count(*) FROM files) - " +
        std::to_string(maxEntries) + "))";
    // A sketch goes with its file's entry; beyond their cap, the sketches of the files
    // used longest ago go first.
    const std::string orphans = "DELETE FROM sketches WHERE NOT EXISTS (SELECT 1 FROM files f "
                                "WHERE f.device = sketches.device AND f.inode = sketches.inode)";
    const std::string sketchesOverCap =
        "DELETE FROM sketches WHERE rowid IN (SELECT id FROM (SELECT s.rowid AS id, "
        "sum(length(s.sketch)) OVER (ORDER BY f.used DESC, s.rowid) AS total FROM sketches s "
        "JOIN files f ON f.device = s.device AND f.inode = s.inode) WHERE total > " +
        std::to_string(maxSketchBytes) + ")";
    for (const std::string& step : {oldest, overCap, orphans, sketchesOverCap})
        if (db_.execute(step.c_str()) != SQLITE_OK)
            return 0;
    return static_cast<std::uint64_t>(before - db_.queryInteger("SELECT count(*) FROM files", 0));
}

} // namespace quorvex::cache
