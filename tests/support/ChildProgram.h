#pragma once
// A program of the build run as a child process, with its standard output and error
// kept, for tests of what a user or the system does to a running program.
//
//   ChildProgram cli({QUORVEX_CLI_PATH, "empty", folder});
//   ChildProgram::Result run = cli.wait();     // exitCode, out, err
//
//   ChildProgram app({QUORVEX_PATH}, {"QT_QPA_PLATFORM=offscreen"});
//   app.signal(SIGTERM);  app.wait();

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvex::test {

class ChildProgram
{
public:
    struct Result
    {
        int exitCode = -1;    // -1 when it ended by a signal
        int killedBy = 0;     // the signal that ended it
        std::string out, err; // what it wrote
    };

    // Starts argv[0] with the arguments; `environment` entries ("NAME=value") are added
    // to (or replace those of) this process's environment. With `asUser`, the child
    // runs as that user and group id (root only).
    explicit ChildProgram(const std::vector<std::string>& argv,
                          const std::vector<std::string>& environment = {},
                          std::optional<uid_t> asUser = std::nullopt);
    ~ChildProgram(); // kills a child still running
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    pid_t pid() const { return pid_; }
    void signal(int signalNumber) const;
    // Whether the child has installed a handler for the signal (/proc's SigCgt).
    bool catches(int signalNumber) const;
    // Waits for the end of the child.
    Result wait();

private:
    pid_t pid_ = -1;
    std::string outFile_, errFile_;
    std::optional<Result> result_;
};

} // namespace quorvex::test
