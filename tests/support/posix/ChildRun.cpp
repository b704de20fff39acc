#include "support/ChildRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace quorvex::test {

int RunThisProgram(std::string_view filter, std::string_view step)
{
    const std::string filterArgument = "--gtest_filter=" + std::string(filter);
    const std::string stepText(step);
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        ::setenv("QUORVEX_CHILD_STEP", stepText.c_str(), 1);
        char* const arguments[] = {const_cast<char*>("child"),
                                   const_cast<char*>(filterArgument.c_str()), nullptr};
        ::execv("/proc/self/exe", arguments);
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

std::string ChildStep()
{
    const char* step = std::getenv("QUORVEX_CHILD_STEP");
    return step != nullptr ? step : "";
}

} // namespace quorvex::test
