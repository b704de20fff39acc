// quorvex-cli: the engines of the desktop program, run from a terminal.
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/ArgumentParser.h"
#include "cli/Commands.h"
#include "cli/HelpText.h"
#include "platform/Console.h"

using namespace quorvex::cli;

int main(int argc, char** argv)
{
    // Only the categories the engines use: collation for the list orders and the
    // character type for text decoding. The others would only cost memory.
    std::setlocale(LC_COLLATE, "");
    std::setlocale(LC_CTYPE, "");
    quorvex::platform::UseUtf8ConsoleOutput();
    const std::vector<std::string> args = quorvex::platform::ProgramArguments(argc, argv);
    auto parsed = ParseArguments(args);
    if (auto* error = std::get_if<UsageError>(&parsed)) {
        std::fprintf(stderr, "quorvex-cli: %s\n%s", error->message.c_str(),
                     UsageText(error->command).c_str());
        return kExitUsage;
    }
    const CliOptions& options = std::get<CliOptions>(parsed);
    if (options.help || options.version) {
        const std::string text = options.help ? HelpText(options.command) : VersionText();
        return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? kExitOk
                                                                                 : kExitFailure;
    }
    if (options.command == "compare")
        return RunCompareCommand(options);
    if (options.command == "empty")
        return RunEmptyCommand(options);
    if (options.command == "dupdirs")
        return RunDupDirsCommand(options);
    if (options.command == "cache")
        return RunCacheCommand(options);
    return RunDupsCommand(options);
}
