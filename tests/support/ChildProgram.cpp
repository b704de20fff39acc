#include "support/ChildProgram.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quorvex::test {

namespace {

std::string TempFileName()
{
    char name[] = "/tmp/qv-child-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd < 0)
        throw std::runtime_error("mkstemp failed");
    ::close(fd);
    return name;
}

std::string TakeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    ::unlink(path.c_str());
    return text.str();
}

} // namespace

ChildProgram::ChildProgram(const std::vector<std::string>& argv,
                           const std::vector<std::string>& environment)
    : outFile_(TempFileName()), errFile_(TempFileName())
{
    pid_ = ::fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ != 0)
        return;
    const int out = ::open(outFile_.c_str(), O_WRONLY | O_TRUNC);
    const int err = ::open(errFile_.c_str(), O_WRONLY | O_TRUNC);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    for (const std::string& entry : environment)
        ::putenv(const_cast<char*>(entry.c_str()));
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    ::_exit(127);
}

ChildProgram::~ChildProgram()
{
    if (!result_ && pid_ > 0) {
        ::kill(pid_, SIGKILL);
        wait();
    }
}

void ChildProgram::signal(int signalNumber) const
{
    ::kill(pid_, signalNumber);
}

bool ChildProgram::catches(int signalNumber) const
{
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signalNumber - 1) & 1) != 0;
    return false;
}

ChildProgram::Result ChildProgram::wait()
{
    if (result_)
        return *result_;
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    Result result;
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.killedBy = WTERMSIG(status);
    result.out = TakeFile(outFile_);
    result.err = TakeFile(errFile_);
    result_ = result;
    return result;
}

} // namespace quorvex::test
