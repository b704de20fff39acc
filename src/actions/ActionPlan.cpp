#include "actions/ActionPlan.h"

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

std::uint64_t ActionPlan::bytesFreed() const
{
    std::uint64_t bytes = 0;
    for (const PlannedAction& item : items)
        bytes += item.listed ? item.listed->size : 0;
    return bytes;
}

} // namespace quorvex
