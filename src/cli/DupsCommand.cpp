// Placeholder until the engine lands; replaced by the engine's own command file.
#include <cstdio>

#include "cli/Commands.h"

namespace quorvex::cli {

int RunDupsCommand(const CliOptions&)
{
    std::fputs("quorvex-cli: dups is not available in this build\n", stderr);
    return kExitFailure;
}

} // namespace quorvex::cli
