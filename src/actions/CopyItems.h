#pragma once
// The copies of a run: files and links written through a temporary name beside their
// destination and checked byte for byte against their source, a replaced file kept in
// the desktop trash; folders made, and given their source's times and attributes once
// the run is over, since what they receive sets their time.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "actions/ActionRun.h"
#include "actions/ItemChecks.h"
#include "platform/TempJournal.h"

namespace quorvex {

class CopySession
{
public:
    CopySession(platform::TempJournal& journal, WholeFileComparison& comparison,
                RunObserver& observer)
        : journal_(journal), comparison_(comparison), observer_(observer)
    {
    }

    // The item's outcome; nullopt when a cancel stopped it before anything changed.
    std::optional<ActionOutcome> copy(const PlannedAction& item);
    // The folders made take their source's times and attributes, the deepest first.
    void finish();

private:
    ActionOutcome makeFolder(const PlannedAction& item, const platform::FileIdentity& source);

    platform::TempJournal& journal_;
    WholeFileComparison& comparison_;
    RunObserver& observer_;
    std::vector<std::pair<std::string, std::string>> madeFolders_; // source, destination
};

} // namespace quorvex
