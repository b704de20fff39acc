#include "platform/FaultHook.h"

#include <utility>

namespace quorvex::platform {

namespace {
FaultHook& InstalledHook()
{
    static FaultHook hook;
    return hook;
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
    return hook && hook(point, path);
}

} // namespace quorvex::platform
