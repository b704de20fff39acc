#pragma once
// An item's outcome from what the platform's replacement, move or copy reported.

#include <string>

#include "actions/ActionRun.h"
#include "platform/FileReplace.h"

namespace quorvex {

ActionOutcome Failed(ActionFailure failure, std::string detail = {});
ActionOutcome Done();
// Done, or the failure with LastFailureText() where the system gave a reason.
ActionOutcome FromReplaceResult(platform::ReplaceResult result);

} // namespace quorvex
