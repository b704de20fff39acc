#pragma once
// A program of the build run as a child process that the test can signal while it
// runs, with its standard output and error kept (RunCommand.h runs a command to its
// end).
//
//   ChildProgram app({QUORVEX_PATH}, {"QT_QPA_PLATFORM=offscreen"});
//   app.signal(SIGTERM);
//   ChildProgram::Result run = app.wait();     // exitCode or killedBy, out, err

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
    // to (or replace those of) this process's environment.
    explicit ChildProgram(const std::vector<std::string>& argv,
                          const std::vector<std::string>& environment = {});
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
