#include "platform/FailureReason.h"

#include <system_error>
#include <utility>

namespace quorvex::platform {

namespace {
thread_local std::string lastFailure;
}

std::string LastFailureText()
{
    return lastFailure;
}

void RememberFailure(int errorNumber)
{
    lastFailure = std::generic_category().message(errorNumber);
}

void RememberFailure(std::string text)
{
    lastFailure = std::move(text);
}

} // namespace quorvex::platform
