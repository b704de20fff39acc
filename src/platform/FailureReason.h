#pragma once
// Why the last failing call of the platform layer failed, on this thread, as a short
// text for messages ("Permission denied", in the user's language where the system
// has a translation). Callers read it right after the call that failed.

#include <string>

namespace quorvex::platform {

// Empty when no call of this thread has failed yet.
std::string LastFailureText();

// For implementations of the layer: remember the system's error number, or a text
// for failures the system does not name (an entry that is not a regular file).
void RememberFailure(int errorNumber);
void RememberFailure(std::string text);

} // namespace quorvex::platform
