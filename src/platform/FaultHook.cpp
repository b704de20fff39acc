#include "platform/FaultHook.h"

#include <cerrno>
#include <utility>

#include "platform/FailureReason.h"

namespace quorvex::platform {

namespace {

FaultHook& InstalledHook()
{
    static FaultHook hook;
    return hook;
}

// The error a real failure at that point would most likely carry.
int InjectedError(FaultPoint point)
{
    switch (point) {
    case FaultPoint::List:
    case FaultPoint::Open:
        return EACCES;
    case FaultPoint::ListNext:
    case FaultPoint::Read:
        return EIO;
    case FaultPoint::Lookup:
        return ENOENT;
    case FaultPoint::Write:
    case FaultPoint::Rename:
        return ENOSPC;
    case FaultPoint::Remove:
        return EBUSY;
    case FaultPoint::Link:
        return EMLINK;
    case FaultPoint::Clone:
    case FaultPoint::Place:
        return EOPNOTSUPP;
    }
    return EIO;
}

} // namespace

void SetFaultHook(FaultHook hook)
{
    InstalledHook() = std::move(hook);
}

bool IsFaultHookInstalled()
{
    return static_cast<bool>(InstalledHook());
}

bool IsFaultInjected(FaultPoint point, std::string_view path)
{
    const FaultHook& hook = InstalledHook();
    if (!hook || !hook(point, path))
        return false;
    errno = InjectedError(point);
    RememberFailure(errno);
    return true;
}

} // namespace quorvex::platform
