#pragma once
#include <string>
#include <variant>
#include <vector>

#include "cli/CliOptions.h"

namespace quorvex::cli {

struct UsageError
{
    std::string message;
};

// Parses argv (without the program name). Options may stand before or after the
// operands; "--" ends the options.
std::variant<CliOptions, UsageError> ParseArguments(const std::vector<std::string>& args);

extern const char* const kUsageText;

} // namespace quorvex::cli
