#pragma once
// The desktop program started as a process on folders of its own (offscreen), for
// tests of what the system does to it: signals, kills at any moment.

#include "platform/TextFile.h"
#include "support/ChildProgram.h"
#include "support/TempTree.h"

#include <chrono>
#include <csignal>
#include <memory>
#include <thread>

namespace quorvex::test {

class ProgramProcess
{
public:
    explicit ProgramProcess(const TempTree& tree) : tree_(tree)
    {
        tree.dir("run");
        tree.dir("config");
        tree.dir("data");
    }

    std::string configFile() const { return tree_.path("config/Vorle/Quorvex.reg"); }
    std::string dataFile(const std::string& name) const { return tree_.path("data/" + name); }

    // Starts the program and waits until it has come up far enough to take every
    // termination signal as a close (false when it did not within 60 seconds). The
    // handlers are installed one after another, so each is waited for.
    bool start()
    {
        child_ = std::make_unique<ChildProgram>(
            std::vector<std::string>{QUORVEX_PATH},
            std::vector<std::string>{"QT_QPA_PLATFORM=offscreen", "LC_ALL=C.UTF-8",
                                     "XDG_RUNTIME_DIR=" + tree_.path("run"),
                                     "QUORVEX_CONFIG_HOME=" + tree_.path("config"),
                                     "QUORVEX_DATA_DIR=" + tree_.path("data/")});
        for (int waited = 0; waited < 6000; ++waited) {
            if (child_->catches(SIGTERM) && child_->catches(SIGHUP) && child_->catches(SIGINT))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    void signal(int signalNumber) const { child_->signal(signalNumber); }
    ChildProgram::Result wait() { return child_->wait(); }

private:
    const TempTree& tree_;
    std::unique_ptr<ChildProgram> child_;
};

} // namespace quorvex::test
