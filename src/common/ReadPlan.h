#pragma once
// How a search reads many files: in the order their data lies on the disk, and by
// as many readers as each device serves well. Each file is opened once beforehand and
// asked where its data begins (the first extent's place, else its number); the files
// of one device come together, and those on a hard disk or a share are then read by
// one reader in that order, as one sweep, those elsewhere by several workers, still in
// that order, while the other devices are read side by side.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/ObservedWork.h"
#include "common/WorkerPool.h"
#include "platform/ReadPlacement.h"

namespace quorvex {

struct ReadPlan
{
    std::vector<std::uint32_t> order; // the items, in the order to read them
    // The stretches of `order` that one device holds, one after another, each with
    // the workers that read it side by side.
    struct Stretch
    {
        std::size_t end; // one past the stretch's last place in `order`
        unsigned readers;
    };
    std::vector<Stretch> stretches;
    // Some file lies on a device where seeks cost (a hard disk or a share).
    bool seeksCost = false;
    // The files' data is to be read from the device (not found in the system's
    // cache): the reads are hinted ahead.
    bool fromDevice = true;
};

// Opens item `item` on worker `worker` (a worker may keep its folder open between
// items); false when it cannot be opened: such items come last, in their order.
using OpenToPlan = std::function<bool(std::size_t item, unsigned worker, platform::InputFile&)>;

// Plans the reading of items [0, count) on the workers of `pool` while `work` keeps
// the caller's observer alive. A cancel leaves the items not yet asked at the end.
// When a sample of the files finds them in the system's cache, nothing is asked:
// the items keep their order, every worker reads, and no read is hinted. The files
// that cannot be opened make a stretch of their own, read by every worker.
ReadPlan PlanReads(std::size_t count, const OpenToPlan& open, WorkerPool& pool, ObservedWork& work);

// Runs read(item, worker) for the plan's items in its order, each stretch on its
// readers, the stretches side by side: one reader takes all of its stretch in turn
// (those stretches start first), several take runs of it as they come free. Each
// reader first calls hint(item, worker) for the items of its run up to its share of
// kHintsAhead (at least 4) after the one it reads (a hint asks the system to read what `read`
// will need), so that the device holds a few requests, in the order of the data,
// while the reader waits for one. After a cancel nothing more is hinted, but every
// item is still handed to `read`, which returns early if it should.
using ReadItem = std::function<void(std::size_t item, unsigned worker)>;
inline constexpr std::size_t kHintsAhead = 64;
void RunPlanned(const ReadPlan& plan, WorkerPool& pool, ObservedWork& work, const ReadItem& hint,
                const ReadItem& read);

// Runs read(item) for the plan's items in its order on the calling thread, which
// keeps its own observer alive: for a search that compares one file at a time. Each
// is read after hint(item) for the kHintsAhead items after it; after `cancelled`
// nothing more is hinted, but every item is still handed to `read`.
void RunPlannedHere(const ReadPlan& plan, const std::function<bool()>& cancelled,
                    const std::function<void(std::size_t item)>& hint,
                    const std::function<void(std::size_t item)>& read);

// What a hint asks of a file read from its start, beyond a first chunk: its start;
// the system's own read-ahead follows a file read from its start.
inline constexpr std::uint64_t kHintedStart = std::uint64_t{1} << 20;
// Opens the file at `path` into `file` and asks the system to read its start
// (kHintedStart); `file` stays closed when it cannot be opened.
void HintStartOf(const std::string& path, platform::InputFile& file);

// The files one reader opened to hint their reading, kept open until it reads them,
// so that no file is opened twice: a reader hints its items in the order it reads
// them, so the file it takes is the one kept longest.
class HintedFiles
{
public:
    void keep(std::size_t item, platform::InputFile file);
    // The file kept for `item`, or a closed one when the next kept is another's.
    platform::InputFile take(std::size_t item);
    void clear() { files_.clear(); }

private:
    std::deque<std::pair<std::size_t, platform::InputFile>> files_;
};

// The readers for files on storage of this kind, out of `workers`.
unsigned ReadersFor(platform::StorageKind kind, unsigned workers);

// The test seam of the plans: when set, every plan's order passes through it before
// it is used (a test reverses or shuffles it to show that no result depends on it).
using ReadOrderHook = std::function<void(std::vector<std::uint32_t>& order)>;
void SetReadOrderHook(ReadOrderHook hook);

} // namespace quorvex
