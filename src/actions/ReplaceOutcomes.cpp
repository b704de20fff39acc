#include "actions/ReplaceOutcomes.h"

#include "platform/FailureReason.h"

namespace quorvex {

using platform::ReplaceResult;

ActionOutcome Failed(ActionFailure failure, std::string detail)
{
    ActionOutcome outcome;
    outcome.failure = failure;
    outcome.detail = std::move(detail);
    return outcome;
}

ActionOutcome Done()
{
    ActionOutcome outcome;
    outcome.done = true;
    return outcome;
}

ActionOutcome FromReplaceResult(ReplaceResult result)
{
    switch (result) {
    case ReplaceResult::Done:
        return Done();
    case ReplaceResult::Changed:
        return Failed(ActionFailure::Changed);
    case ReplaceResult::CrossDevice:
        return Failed(ActionFailure::CrossDevice);
    case ReplaceResult::Refused:
        return Failed(ActionFailure::LinksRefused, platform::LastFailureText());
    case ReplaceResult::NoClone:
        return Failed(ActionFailure::NoClone, platform::LastFailureText());
    case ReplaceResult::TargetExists:
        return Failed(ActionFailure::TargetExists);
    case ReplaceResult::NotTrashable:
        return Failed(ActionFailure::NotTrashable);
    case ReplaceResult::CopyUnsound:
        return Failed(ActionFailure::CopyDiffers);
    case ReplaceResult::Failed:
        break;
    }
    return Failed(ActionFailure::System, platform::LastFailureText());
}

} // namespace quorvex
