#pragma once
// Items of a plan to the desktop trash, one after the other. An item that cannot go
// there is deleted for good only when the caller agrees, and never the last copy of
// its contents; an item inside a folder that went before it went with that folder.

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "actions/ActionRun.h"

namespace quorvex {

class TrashSession
{
public:
    using ForGoodQuestion = std::function<bool(const PlannedAction& item)>;

    // Whether `path` lay in a folder (or was an item) this session removed.
    bool wentBefore(const std::string& path) const;
    // Trashes the item, or deletes it for good when it cannot be trashed and
    // `deleteForGood` (if set) agrees. The item has passed its checks.
    ActionOutcome trash(const PlannedAction& item, const ForGoodQuestion& deleteForGood);

private:
    std::set<std::string, std::less<>> removed_;
};

// Deletes a file, a link (not what it leads to) or a folder with everything in it,
// for good. Walks with a stack of its own (deep trees), never follows a link and stops
// at the first entry it cannot remove.
bool DeleteForGood(const std::string& path);

} // namespace quorvex
