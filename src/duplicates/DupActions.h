#pragma once
// Acting on the rows of a duplicate or identical-file result: which file of each group
// stays, the plan for the rows chosen, and the list afterwards, true to the disk (rows
// whose files left the folders leave the list, moved rows show their new folder,
// replaced rows show that they are links or clones now).

#include <string>
#include <string_view>
#include <vector>

#include "actions/ActionPlan.h"
#include "actions/ActionRun.h"
#include "common/InputRefusal.h"
#include "duplicates/DupRecord.h"

namespace quorvex {

// What a result was found with, as far as acting on its rows needs it.
struct DupSearchScope
{
    std::vector<std::string> folders; // the searched folders, as given
    std::string target;               // the file searched for (identical-file search)
    int threshold = 100;
    bool pictures = false; // groups of pictures that look alike, not of equal bytes
};

enum class KeepRule
{
    Reference,  // the "基準" row
    Newest,     // the newest file (of equal times, the earlier row)
    Oldest,     // the oldest file
    UnderFolder // the files in a reference folder: groups without one there stay whole
};

// The rows of every group except those that stay by `rule` (`folder`, ending in the
// separator, for UnderFolder), in row order.
std::vector<std::size_t> RowsToActOn(const DupList& list, KeepRule rule,
                                     std::string_view folder = {});

// Leaves out of acting the rows that are symbolic links (they hold no bytes of their
// own: the file they lead to is a member in its own right, or not searched) and the
// rows whose files are copies put aside: in a desktop trash folder, or below
// `moveFolder` (a move's destination; empty: none), where each run would otherwise
// move the same files one level deeper. None of them is ever the file that stays while
// the user's live copy goes. Groups left with one row leave the list.
void LeaveOutOfAction(DupList& list, std::string_view moveFolder);

// Why `kind` cannot act on a result found at `threshold` percent (links and clones
// need files found equal byte for byte); no refusal when it can.
InputRefusal ActionRefusal(ActionKind kind, int threshold);
// The same for a result found as `scope` says; pictures that look alike are not
// files of equal bytes.
InputRefusal ActionRefusal(ActionKind kind, const DupSearchScope& scope);

struct DupPlan
{
    ActionPlan plan;
    InputRefusal refusal;     // why there is no plan
    std::size_t keptBack = 0; // chosen rows left out: the kept file, or a group's last
    // Chosen rows left out because their file, or their group's kept file, is not as
    // the list says (a reopened list's rows marked by their check), in row order.
    std::vector<std::size_t> notAsListed;
    std::size_t lastCopyGroups = 0; // groups whose last copy the plan takes (the trash)
};

// The plan of the list's delete: every chosen row to the trash, as chosen, for the
// trash keeps what it takes restorable (but rows not as listed, in notAsListed). A
// group whose every file still on the disk, and not in a desktop trash folder, is
// chosen loses the last copy of its contents: such groups are counted, so that the
// question can say so, and their items are never deleted for good.
DupPlan TrashPlanForRows(const DupList& list, const std::vector<std::size_t>& rows);

// The plan for the chosen `rows` (row order). Each group keeps its "基準" row when that
// is not chosen, else its first row that is not; a group whose rows are all chosen
// keeps its "基準" row (or its first row) anyway. An identical-file result keeps the
// file searched for. Links and clones are refused for results found below 100 % or
// by what pictures show. A
// move takes each file to `moveFolder` with its path below the searched folders.
// Rows not as listed are never acted on, nor are the rows of a group whose kept row
// is not as listed.
DupPlan PlanForRows(const DupList& list, const DupSearchScope& scope,
                    const std::vector<std::size_t>& rows, ActionKind kind,
                    std::string_view moveFolder = {});

// The list after a run of a plan made for it: rows trashed leave the list, moved rows
// take their new folder, replaced rows their new state, and the size and time of every
// row done are read again.
void ApplyOutcomes(DupList& list, const ActionPlan& plan,
                   const std::vector<ActionOutcome>& outcomes);

} // namespace quorvex
