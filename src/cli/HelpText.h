#pragma once
// What quorvex-cli says about itself: the usage lines printed after a usage error,
// the help of the tool and of each command, and the version line.

#include <string>

namespace quorvex::cli {

// The usage lines of `command` ("compare", "dups", "identical", "empty"), or of
// every command when it is empty or unknown, with a pointer to the fuller help.
std::string UsageText(const std::string& command);

// `quorvex-cli --help` (command empty) or `quorvex-cli COMMAND --help`: usage,
// options, the columns of the output and the exit codes.
std::string HelpText(const std::string& command);

// "quorvex-cli " and the program version, with a line break.
std::string VersionText();

} // namespace quorvex::cli
