#pragma once
// What the subcommands that act on duplicates share: the refusals of the action
// options and carrying out (or printing) a plan made for a duplicate list.

#include <cstddef>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "duplicates/DupActions.h"

namespace quorvex::cli {

// What the actions refuse for a result found as `scope` says; empty when nothing.
// `keepFolder` receives --keep under=DIR in the spelling of the list's folders.
std::string ActionOptionsRefusal(const CliOptions& options, const DupSearchScope& scope,
                                 std::string& keepFolder);

// Prints the plan (--dry-run) or carries it out, each item not done named on
// standard error, and writes the plan's table; `list` is the list it was made for.
// The exit status: kExitRefused when the plan was refused, kExitIncomplete when
// something (`unreadCount` before it) was not read or done.
int CarryOutPlan(const DupList& list, const DupPlan& planned, const CliOptions& options,
                 const std::string& journalFolder, std::size_t unreadCount);

} // namespace quorvex::cli
