#pragma once
#include <string>
#include <variant>
#include <vector>

#include "cli/CliOptions.h"

namespace quorvex::cli {

// What was wrong, in one line, and the command it concerns when that is known.
struct UsageError
{
    std::string message;
    std::string command = {};
};

// Parses argv (without the program name). Options may stand before or after the
// operands; "--" ends the options. With -h/--help or --version the result only
// names the command, if one was given, and takes no operands.
std::variant<CliOptions, UsageError> ParseArguments(const std::vector<std::string>& args);

} // namespace quorvex::cli
