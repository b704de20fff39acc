// The arguments of quorvex-cli (NUL-separated in the input): parsing ends with a
// usage error, a help or version request, or options that make sense for their
// command.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/ArgumentParser.h"

using namespace quorvex::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        args.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    const auto parsed = ParseArguments(args);
    if (const auto* options = std::get_if<CliOptions>(&parsed)) {
        // A help or version request needs nothing else; a run needs its operands.
        const bool request = options->help || options->version;
        const std::size_t operands =
            options->command == "compare" || options->command == "identical" ? 2 : 1;
        if (!request && (options->operands.size() != operands || options->threshold < 10 ||
                         options->threshold > 100 ||
                         (options->command != "compare" && options->command != "dups" &&
                          options->command != "identical" && options->command != "empty")))
            std::abort();
    } else if (std::get<UsageError>(parsed).message.empty()) {
        std::abort();
    }
    return 0;
}
