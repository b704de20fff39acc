#pragma once
// The one small interface through which every engine talks to its caller.
//
// The desktop program forwards the calls to ColorProgressBar1 / ProgressBar1 and
// lets the event loop run in pumpMessages(); the command-line tool draws a bar on
// standard error; tests record the calls or request a cancel at a chosen moment.
// Every function has a do-nothing default so that a caller overrides only what it
// needs. Engines call pumpMessages() where the desktop program would process
// pending messages (after each file, after each content block).

#include <cstdint>
#include <string>

namespace quorvex {

class RunObserver
{
public:
    virtual ~RunObserver() = default;

    // Overall progress (ColorProgressBar1): maximum, absolute position, relative step.
    virtual void setOverallMax(std::uint64_t /*max*/) {}
    virtual void setOverallPosition(std::uint64_t /*position*/) {}
    virtual void stepOverall(std::uint64_t /*by*/) {}

    // Progress within the current file (ProgressBar1).
    virtual void setFileMax(std::uint64_t /*max*/) {}
    virtual void setFilePosition(std::uint64_t /*position*/) {}

    // The bytes the run will read, when the engine knows them up front, and the
    // bytes done so far (a file counts once its turn is over); the time estimate
    // goes by them instead of the overall progress.
    virtual void setWorkTotal(std::uint64_t /*bytes*/) {}
    virtual void addWorkDone(std::uint64_t /*bytes*/) {}

    // Lets the user interface process pending events.
    virtual void pumpMessages() {}

    // The stop request (CancelBtn down, or the raised start button of the empty search).
    virtual bool cancelRequested() const { return false; }

    // A folder that could not be listed, or a file whose contents could not be read
    // (or that vanished or changed under the run), with the reason; the run goes on
    // without it. A file that a run meets again may be told again. The desktop
    // program shows nothing (its lists simply lack the entry); the command-line tool
    // writes one line per path.
    virtual void cannotRead(const std::string& /*path*/, const std::string& /*reason*/) {}
};

// Observer for callers that want nothing reported and never cancel.
inline RunObserver& silentObserver()
{
    static RunObserver observer;
    return observer;
}

} // namespace quorvex
