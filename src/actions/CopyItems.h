#pragma once
// The copies of a run: files and links written through a temporary name beside their
// destination and checked byte for byte against their source, put in place in
// batches that share their syncs, a replaced file kept in the desktop trash; folders
// made, and given their source's times and attributes once the run is over, since
// what they receive sets their time.

#include <string>
#include <utility>
#include <vector>

#include "actions/ActionRun.h"
#include "actions/ItemChecks.h"
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
    // the batch, its outcome set when the batch is placed. False when a cancel
    // stopped it before anything changed.
    bool copy(const PlannedAction& item, std::size_t index);
    // Puts the batch's copies in place.
    void place();
    // The last batch in place; the folders made take their source's times and
    // attributes, the deepest first.
    void finish();

private:
    ActionOutcome makeFolder(const PlannedAction& item, const platform::FileIdentity& source);

    WholeFileComparison& comparison_;
    RunObserver& observer_;
    std::vector<ActionOutcome>& outcomes_;
    platform::CopyBatch batch_;
    std::vector<std::size_t> staged_; // the plan positions of the batch's copies
    std::vector<std::pair<std::string, std::string>> madeFolders_; // source, destination
};

} // namespace quorvex
