// Placeholder until the engine lands; replaced by the engine's own command file.
#include <cstdio>

#include "cli/Commands.h"

namespace quorvex::cli {

int RunCompareCommand(const CliOptions&)
{
    std::fputs("quorvex-cli: compare is not available in this build\n", stderr);
    return kExitFailure;
}

} // namespace quorvex::cli
