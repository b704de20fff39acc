#pragma once
// The copies of a run: files and links written through a temporary name beside their
// destination and checked byte for byte against their source, put in place in
// batches that share their syncs, a replaced file kept in the desktop trash; folders
// made, and given their source's times and attributes once the run is over, since
// what they receive sets their time. The copies of a batch are written by several
// workers at once where the system allows it: many small files then keep more than
// one core busy with the file system's work.

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "actions/ActionRun.h"
#include "actions/ItemChecks.h"
#include "common/WorkerPool.h"
#include "platform/CopyBatch.h"

namespace quorvex {

class CopySession
{
public:
    // Outcomes go to `outcomes`, by the items' positions in the plan.
    CopySession(platform::TempJournal& journal, WholeFileComparison& comparison,
                RunObserver& observer, std::vector<ActionOutcome>& outcomes)
        : comparison_(comparison), observer_(observer), outcomes_(outcomes), batch_(journal)
    {
    }

    // Copies the item at `index` of the plan: a folder at once, a file or link into
    // the batch, its outcome set when the batch is placed. False when a cancel stopped
    // the batch: the copies it had written still take their places.
    bool copy(const PlannedAction& item, std::size_t index);
    // Writes the batch's copies and puts them in place. False when a cancel stopped
    // the writing.
    bool place();
    // The last batch in place; the folders made take their source's times and
    // attributes, the deepest first.
    void finish();

private:
    // A file or link that passed its checks, waiting for its batch to be written.
    struct Waiting
    {
        const PlannedAction* item;
        std::size_t index;
        platform::FileIdentity source;
        std::optional<platform::FileIdentity> replaced;
    };

    ActionOutcome makeFolder(const PlannedAction& item, const platform::FileIdentity& source);
    // Writes the waiting copies: here when there is one (its progress shown within the
    // file), on the workers otherwise. False when a cancel stopped them.
    bool writeWaiting();
    bool writeOnWorkers();
    // Writes one copy into the batch; its outcome is set unless it was placed or
    // cancelled. False when it was cancelled.
    bool write(const Waiting& copy, WholeFileComparison& comparison, RunObserver& observer);

    WholeFileComparison& comparison_;
    RunObserver& observer_;
    std::vector<ActionOutcome>& outcomes_;
    platform::CopyBatch batch_;
    std::vector<Waiting> waiting_;
    std::uint64_t waitingBytes_ = 0;
    std::unique_ptr<WorkerPool> workers_; // made for the first batch of more than one copy
    std::vector<WholeFileComparison> workerComparisons_;
    std::vector<std::pair<std::string, std::string>> madeFolders_; // source, destination
};

} // namespace quorvex
