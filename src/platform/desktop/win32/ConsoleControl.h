#pragma once
// Console control events (Ctrl+C, Ctrl+Break, the console window closing, the user
// logging off) handed to the program. The system calls the handler on a thread of
// its own and, for a closing console, ends the process as soon as the handler
// returns; so the handler hands the event on and then waits until the program says
// it has done what the event asked (closed its window, written its files), at most
// `patience` milliseconds. Nothing here depends on Qt.
//
// One relay at a time; its destructor removes the handler.

#include <windows.h>

#include <functional>

namespace quorvex::platform::win32 {

class ConsoleControlRelay
{
public:
    // `deliver` runs on the system's handler thread and must only pass the event on
    // (to the user interface thread, which later calls acknowledge()).
    ConsoleControlRelay(std::function<void(DWORD event)> deliver, DWORD patience);
    ~ConsoleControlRelay();
    ConsoleControlRelay(const ConsoleControlRelay&) = delete;
    ConsoleControlRelay& operator=(const ConsoleControlRelay&) = delete;

    bool isInstalled() const { return installed_; }
    // The program has answered the event it was handed: the waiting handler returns.
    void acknowledge();

    // The handler the system calls on its own thread (tests call it directly, as a
    // process without a console gets no events). TRUE: the event was handled.
    static BOOL WINAPI handle(DWORD event);

private:
    std::function<void(DWORD)> deliver_;
    DWORD patience_;
    bool installed_ = false;
};

} // namespace quorvex::platform::win32
