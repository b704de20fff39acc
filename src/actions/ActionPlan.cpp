#include "actions/ActionPlan.h"

#include "platform/FileIdentity.h"

namespace quorvex {

std::string_view ActionWord(ActionKind kind)
{
    switch (kind) {
    case ActionKind::Trash:
        return "trash";
    case ActionKind::Move:
        return "move";
    case ActionKind::HardLink:
        return "hardlink";
    case ActionKind::SymbolicLink:
        return "symlink";
    case ActionKind::Reflink:
        return "reflink";
    }
    return {};
}

bool ReplacesContents(ActionKind kind)
{
    return kind == ActionKind::HardLink || kind == ActionKind::SymbolicLink ||
           kind == ActionKind::Reflink;
}

std::uint64_t BytesFreedBy(const PlannedAction& item)
{
    if (!item.listed)
        return 0;
    const std::optional<platform::FileIdentity> entry = platform::IdentifyEntry(item.path);
    if (entry && entry->link)
        return 0;
    if (!item.kept.empty() && entry) {
        const std::optional<platform::FileIdentity> kept = platform::IdentifyTarget(item.kept);
        if (kept && kept->sameFile(*entry))
            return 0;
    }
    return item.listed->size;
}

std::uint64_t ActionPlan::bytesFreed() const
{
    std::uint64_t bytes = 0;
    for (const PlannedAction& item : items)
        bytes += BytesFreedBy(item);
    return bytes;
}

} // namespace quorvex
