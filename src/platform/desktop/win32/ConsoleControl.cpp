#include "platform/desktop/win32/ConsoleControl.h"

#include <atomic>
#include <utility>

namespace quorvex::platform::win32 {

namespace {

std::atomic<ConsoleControlRelay*> current{nullptr};

// Set by acknowledge(). It lives as long as the process, so that a handler still
// waiting on it when its relay goes away never waits on a closed handle.
HANDLE handledEvent()
{
    static const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    return event;
}

} // namespace

ConsoleControlRelay::ConsoleControlRelay(std::function<void(DWORD)> deliver, DWORD patience)
    : deliver_(std::move(deliver)), patience_(patience)
{
    if (handledEvent() == nullptr)
        return;
    current = this;
    installed_ = SetConsoleCtrlHandler(&ConsoleControlRelay::handle, TRUE) != FALSE;
    if (!installed_)
        current = nullptr;
}

ConsoleControlRelay::~ConsoleControlRelay()
{
    if (!installed_)
        return;
    SetConsoleCtrlHandler(&ConsoleControlRelay::handle, FALSE);
    current = nullptr;
}

void ConsoleControlRelay::acknowledge()
{
    SetEvent(handledEvent());
}

BOOL WINAPI ConsoleControlRelay::handle(DWORD event)
{
    ConsoleControlRelay* relay = current;
    if (relay == nullptr)
        return FALSE; // the system's default: end the process
    const DWORD patience = relay->patience_;
    ResetEvent(handledEvent());
    relay->deliver_(event);
    WaitForSingleObject(handledEvent(), patience);
    return TRUE;
}

} // namespace quorvex::platform::win32
