#include "actions/EmptyItemActions.h"

#include <cerrno>
#include <cstring>

#include "actions/EmptyEntryChecks.h"
#include "actions/ReplaceOutcomes.h"
#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "trash/TrashRestore.h"

namespace quorvex {

namespace {

std::string LastErrorText()
{
    return std::strerror(errno);
}

// A file: read-only cleared first, as a read-only file cannot be deleted elsewhere.
// A file that is no longer empty is left untouched; should it change between the
// checks, its read-only bit is given back.
ActionOutcome DeleteFile(const EmptyItemTarget& target)
{
    if (!IsEmptyRegularFile(target.path))
        return Failed(ActionFailure::Changed);
    std::string attributeFailure = ClearReadOnly(target.path).value_or(std::string());
    ActionOutcome outcome;
    if (DeleteFileIfEmpty(target.path)) {
        outcome = Done();
    } else {
        outcome = Failed(ActionFailure::NotRemovable, platform::LastFailureText());
        if (target.attributes >= 0 && (target.attributes & platform::kAttrReadOnly) != 0)
            (void)platform::SetAttributes(target.path,
                                          static_cast<std::uint32_t>(target.attributes));
    }
    outcome.attributeFailure = std::move(attributeFailure);
    return outcome;
}

} // namespace

EmptyItemTarget InspectEmptyItem(const std::string& path)
{
    EmptyItemTarget target;
    target.path = path;
    if (const auto attributes = platform::GetAttributes(path))
        target.attributes = static_cast<std::int32_t>(*attributes);
    target.isFile = platform::IsExistingFile(path);
    return target;
}

std::optional<std::string> ClearReadOnly(const std::string& path)
{
    const auto attributes = platform::GetAttributes(path);
    if (!attributes)
        return LastErrorText();
    if ((*attributes & platform::kAttrReadOnly) == 0)
        return std::nullopt;
    if (!platform::SetAttributes(path, *attributes & ~std::uint32_t{platform::kAttrReadOnly}))
        return LastErrorText();
    return std::nullopt;
}

ActionOutcome DeleteEmptyItem(const PlannedAction& item, TrashList* record)
{
    const EmptyItemTarget target = InspectEmptyItem(item.path);
    ActionOutcome outcome;
    if (target.isFile)
        outcome = DeleteFile(target);
    else if (platform::RemoveEmptyFolder(target.path))
        outcome = Done();
    else
        outcome = Failed(ActionFailure::NotRemovable, platform::LastFailureText());
    if (outcome.done && record)
        record->add(target.isFile ? target.path : platform::WithTrailingSeparator(target.path),
                    target.attributes);
    return outcome;
}

ActionOutcome RestoreEntry(const PlannedAction& item, TrashList& trash)
{
    const RestoreOutcome restored = RestoreTrashEntry(trash, item.path);
    switch (restored.result) {
    case RestoreResult::Damaged:
        return Failed(ActionFailure::DamagedEntry, restored.damagedValue);
    case RestoreResult::Failed:
        return Failed(ActionFailure::System);
    case RestoreResult::Restored:
        break;
    }
    trash.RemoveTrashEntry(item.path);
    return Done();
}

ActionOutcome PurgeEntry(const PlannedAction& item, TrashList& trash)
{
    trash.RemoveTrashEntry(item.path);
    return Done();
}

} // namespace quorvex
