#include "platform/Console.h"

namespace quorvex::platform {

std::vector<std::string> ProgramArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseUtf8ConsoleOutput() {}

} // namespace quorvex::platform
