#pragma once
// One entry point per subcommand; each runs its engine and prints the result list.

#include "cli/CliOptions.h"

namespace quorvex::cli {

int RunCompareCommand(const CliOptions& options);
int RunDupsCommand(const CliOptions& options); // dups and identical
int RunDupDirsCommand(const CliOptions& options);
int RunEmptyCommand(const CliOptions& options);
int RunCacheCommand(const CliOptions& options);

} // namespace quorvex::cli
