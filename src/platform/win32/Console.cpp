#include "platform/Console.h"

#include <windows.h>

#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/win32/WideText.h"

namespace quorvex::platform {

std::vector<std::string> ProgramArguments(int argc, char** argv)
{
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) // the ANSI arguments are all there is
        return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(win32::Narrow(wide[i]));
    LocalFree(wide);
    return arguments;
}

void UseUtf8ConsoleOutput()
{
    SetConsoleOutputCP(CP_UTF8);
    // Binary mode: a line ends with LF alone, as on Linux, so that output piped to a
    // file or another program has the same bytes on both systems.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

} // namespace quorvex::platform
