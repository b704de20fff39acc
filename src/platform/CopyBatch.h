#pragma once
// Copies of files and symbolic links put in place in batches, so that many small
// copies share the waits that make them durable. Each copy is written under a
// temporary name beside its destination (noted in the run's TempJournal first) with
// its source's permissions, times and attributes (a link as a link with its own
// target text, never followed), sent on its way to the disk and judged by the
// caller's check. Placing the batch then waits until every copy is on the disk and
// renames each into place while its source, and the file it replaces, are still
// untouched; the new names reach the disk with the next batch's wait, or when the
// batch is settled or destroyed. So a kill or power loss at any instant leaves each
// destination with its old file or the whole copy, never a part. Up to
// kConcurrentStages threads may stage copies at once.

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileReplace.h"
#include "platform/FileSystem.h"

namespace quorvex::platform {

class CopyBatch
{
public:
    // How many threads may call stage() at once: several where staging only writes
    // beside the destination, one where it also puts the copy in place.
    static const unsigned kConcurrentStages;

    explicit CopyBatch(TempJournal& journal);
    // Copies staged and not placed are removed; names placed are made durable.
    ~CopyBatch();
    CopyBatch(const CopyBatch&) = delete;
    CopyBatch& operator=(const CopyBatch&) = delete;

    // Writes the copy of the regular file or link at `source`, which must still be
    // `sourceExpected`, for `destination`, and judges it by `sound` (a file's copy, given
    // the source and the copy open for reading from their starts). Where `replaced` is given the
    // destination must still hold that file, unchanged, and it stays restorable: in the desktop
    // trash, or where `keepAs` is given under that name (where nothing may be yet). Otherwise
    // nothing may be at the destination. Done: staged, to be placed by place(), which tells it
    // by `tag`; on any other result nothing is left of it (LastFailureText() says why).
    ReplaceResult stage(std::size_t tag, std::string_view source,
                        const FileIdentity& sourceExpected, std::string_view destination,
                        const std::optional<FileIdentity>& replaced, std::string_view keepAs,
                        const std::function<bool(InputFile& source, InputFile& copy)>& sound);

    struct Placed
    {
        std::size_t tag = 0; // as staged
        ReplaceResult result = ReplaceResult::Failed;
        // Where a replaced file stays restorable: its second name in the desktop trash
        // or its versioned name.
        std::string keptAt;
        std::string failure; // the system's reason, when not Done
    };
    // Makes the staged copies durable and puts them in place, one outcome each. A replaced file
    // first gets its second name, so no instant leaves its path without the old file or the whole
    // copy; a copy whose source or replaced file changed since it was staged is not placed
    // (Changed). The batch is empty afterwards; the names placed are durable after the next place()
    // or settle().
    std::vector<Placed> place();
    // Waits until the names placed so far are on the disk.
    void settle();

private:
    struct Staged;

    TempJournal& journal_;
    std::mutex stagedMutex_; // stage() may run on several threads
    std::vector<std::unique_ptr<Staged>> staged_;
    // The folders that received names not yet known to be on the disk (POSIX).
    std::set<std::string> foldersToSync_;
};

} // namespace quorvex::platform
