#include "support/RunCommand.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace quorvex::test {

CommandRun RunCommand(const std::string& commandLine)
{
    // Standard error goes to a file, so that a large output on one stream cannot
    // block the other.
    char errPath[] = "/tmp/qv-stderr-XXXXXX";
    const int errFile = ::mkstemp(errPath);
    if (errFile < 0)
        return {};
    ::close(errFile);
    CommandRun run;
    const std::string full = "(" + commandLine + ") 2>" + ShellQuoted(errPath);
    if (std::FILE* pipe = ::popen(full.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ostringstream err;
    err << std::ifstream(errPath, std::ios::binary).rdbuf();
    run.err = err.str();
    ::unlink(errPath);
    return run;
}

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace quorvex::test
