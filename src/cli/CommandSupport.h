#pragma once
// Pieces every subcommand shares: the filter settings the common options stand for,
// reading a list opened with --load, and writing the finished result.

#include <cstdint>
#include <memory>
#include <optional>

#include "actions/ActionRun.h"
#include "cache/ScanCache.h"
#include "cli/CliOptions.h"
#include "common/DiskCheck.h"
#include "common/Filters.h"
#include "common/ResultWriter.h"

namespace quorvex::cli {

// The most a mask file may hold: masks are short lines, and a set of a thousand of
// them takes a few KiB.
inline constexpr std::uint64_t kMaskFileLimit = std::uint64_t{1} << 20;

// --hidden, --system, --masks FILE and --exclude as FilterSettings; nullopt (after a
// message on standard error) when the mask file cannot be read or is larger than
// kMaskFileLimit.
std::optional<FilterSettings> FiltersFromOptions(const CliOptions& options);

// The scan cache a search uses: none with --no-cache, or when it cannot be opened
// (said on standard error; the search runs without it).
std::unique_ptr<cache::ScanCache> OpenCacheForSearch(const CliOptions& options);
// Says on standard error why the cache stopped being used during the search, if it did.
void TellCacheProblem(const cache::ScanCache* cache);
// The bytes of the --load FILE; nullopt (after a message on standard error) when it
// cannot be read.
std::optional<std::string> ReadLoadedList(const CliOptions& options);
// Names the --load FILE and what is wrong with it on standard error; kExitRefused.
int RefuseLoadedList(const CliOptions& options, const std::string& error);
// Names a row of an opened list that is not as listed on standard error
// ("quorvex-cli: PATH: vanished since the list was saved"); true when it named one.
bool ReportNotAsListed(const std::string& path, DiskCheck check);

// Prints the plan's table (--dry-run) or carries the plan out with --progress and
// writes its table with each item's outcome. Each item's bytes (PlanRowBytes) are
// sized before anything changes, so that the run says what its dry run said. A
// journal folder that cannot be written is said once (kExitFailure); each item not
// done is named on standard error ("quorvex-cli: cannot ACTION PATH: REASON") and
// counts with `unreadCount` towards kExitIncomplete. `ownTrash` is the program's
// trash list for the kinds that change it.
int PrintOrRunPlan(const ActionPlan& plan, const CliOptions& options,
                   const std::string& journalFolder, std::size_t unreadCount,
                   TrashList* ownTrash = nullptr);

// Writes the result in the chosen format: kExitOk, or kExitIncomplete when the run
// could not read or do everything (`unreadCount` of its observer, with the items of a
// plan that failed); kExitFailure with a message when the result could not be written.
int WriteResult(const ResultWriter& writer, const CliOptions& options, std::size_t unreadCount);

} // namespace quorvex::cli
