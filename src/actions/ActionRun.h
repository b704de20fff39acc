#pragma once
// Carrying out a plan. Every item is checked again at the moment it is acted on: the
// file is still where and as the list showed it (size and time), the kept file (or
// the file a copy replaces) too, for a link or clone its bytes still equal the kept
// file's and a copy's bytes its source's (read in full). An item that fails says why
// and the others go on; a cancel stops before the next item.

#include <functional>
#include <string>
#include <vector>

#include "actions/ActionPlan.h"
#include "common/BatchQuestion.h"
#include "common/RunObserver.h"

namespace quorvex {

class TrashList;

enum class ActionFailure : std::uint8_t
{
    None,           // done, or not reached before a cancel
    Missing,        // nothing at the path
    NotAFile,       // no longer a file (a folder now, say), or no longer a folder
    Changed,        // size or time differ from the listed ones, or it changed meanwhile
    KeptMissing,    // the kept file is gone
    KeptChanged,    // the kept file is no longer as listed
    ContentDiffers, // its bytes no longer equal the kept file's
    SameFile,       // the path names the kept file itself, or another name of its bytes
    Unreadable,     // it or the kept file could not be read for the comparison
    CrossDevice,    // a hard link or clone across file systems
    LinksRefused,   // the system refuses the link here
    NoClone,        // the file system cannot clone
    TargetExists,   // the destination of a move or copy is taken (by other bytes)
    TargetChanged,  // the file a copy replaces is gone or no longer as listed
    CopyDiffers,    // the written copy does not read back as its source's bytes
    NotTrashable,   // it cannot go to the trash (and was not to be deleted for good)
    NotRemovable,   // the root, or a deletion for good that failed
    Declined,       // the user would not have it deleted for good
    DamagedEntry,   // a trash entry's stored value (in `detail`) is no number; ends the run
    System          // another failure of the system, said in `detail`
};

struct ActionOutcome
{
    bool done = false;
    ActionFailure failure = ActionFailure::None;
    std::string detail; // the system's reason, where it gave one
    // Move: the new path; Trash: its place in the trash; Replace: the replaced file's
    // place in the trash, or its versioned name.
    std::string placedAt;
    bool alreadyLinked = false; // already the link asked for: nothing changed
    // An empty file's read-only bit could not be cleared: the system's reason (its
    // deletion was tried all the same).
    std::string attributeFailure;
    bool failed() const { return failure != ActionFailure::None; }
};

struct PlanRunSettings
{
    // Progress over the items (and within a file that is compared) and the cancel
    // request, read before every item.
    RunObserver& observer;
    // The folder (the program's data folder) of the journal in which the run notes its
    // temporary files, so that a later start removes those a killed run left.
    std::string journalFolder;
    // Asked for an item that cannot go to the trash: true deletes it for good. Unset:
    // such an item fails.
    std::function<bool(const PlannedAction& item)> deleteForGood;
    // The program's own trash list, for the kinds that use it (TraitsOf); unset, they fail.
    TrashList* ownTrash = nullptr;
    // Asked before each item; unset: every item is acted on.
    std::function<BatchDecision(const PlannedAction& item)> askEach = {};
    // Told each item's outcome as soon as it is known (a copy's once its batch is placed).
    std::function<void(std::size_t index, const ActionOutcome& outcome)> told = {};
};

// The journal folder of runs below the program's data folder `userDataDir`.
std::string ActionJournalFolder(const std::string& userDataDir);

// Whether a run of `plan` can note its temporary files in `journalFolder`: true when
// the plan makes none (the trash) or the journal can be made there; otherwise false,
// with the system's reason in LastFailureText(). Without it every item would fail.
bool JournalWritable(const ActionPlan& plan, const std::string& journalFolder);

// One outcome per item, in the plan's order.
std::vector<ActionOutcome> RunActionPlan(const ActionPlan& plan, const PlanRunSettings& settings);

} // namespace quorvex
