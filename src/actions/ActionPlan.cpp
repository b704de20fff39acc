#include "actions/ActionPlan.h"

#include <map>
#include <numeric>
#include <utility>

#include "platform/FileIdentity.h"
#include "platform/PathText.h"

namespace quorvex {

ActionKindTraits TraitsOf(ActionKind kind)
{
    // word, replacesContents, copies, makesTemporaries, usesOwnTrash
    switch (kind) {
    case ActionKind::Trash:
        return {"trash", false, false, false, false};
    case ActionKind::Move:
        return {"move", false, false, true, false};
    case ActionKind::HardLink:
        return {"hardlink", true, false, true, false};
    case ActionKind::SymbolicLink:
        return {"symlink", true, false, true, false};
    case ActionKind::Reflink:
        return {"reflink", true, false, true, false};
    case ActionKind::Copy:
        return {"copy", false, true, true, false};
    case ActionKind::Replace:
        return {"replace", false, true, true, false};
    case ActionKind::TrashEmpty:
        return {"trash", false, false, false, true};
    case ActionKind::DeleteEmpty:
        return {"delete", false, false, false, false};
    case ActionKind::Restore:
        return {"restore", false, false, false, true};
    case ActionKind::Purge:
        return {"purge", false, false, false, true};
    }
    return {};
}

std::string_view ActionWord(ActionKind kind)
{
    return TraitsOf(kind).word;
}

bool ReplacesContents(ActionKind kind)
{
    return TraitsOf(kind).replacesContents;
}

bool IsCopy(ActionKind kind)
{
    return TraitsOf(kind).copies;
}

namespace {

// Whether a move to `destination` stays on the file system `device`: that of the
// nearest folder above it that exists.
bool MovesWithin(std::uint64_t device, std::string_view destination)
{
    for (std::string_view folder = platform::ParentFolder(destination);;
         folder = platform::ParentFolder(folder)) {
        if (const std::optional<platform::FileIdentity> there = platform::IdentifyTarget(folder))
            return there->device == device;
        if (platform::ParentFolder(folder) == folder)
            return false;
    }
}

} // namespace

std::vector<std::uint64_t> BytesFreedByItems(const ActionPlan& plan)
{
    std::vector<std::uint64_t> freed(plan.items.size(), 0);
    // The links of each file that the items before took away.
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::uint64_t> linksTaken;
    for (std::size_t i = 0; i < plan.items.size(); ++i) {
        const PlannedAction& item = plan.items[i];
        if (!item.listed || item.kind == ActionKind::Trash || IsCopy(item.kind))
            continue;
        const std::optional<platform::FileIdentity> entry = platform::IdentifyEntry(item.path);
        if (!entry) {
            freed[i] = item.listed->size;
            continue;
        }
        if (!entry->regular ||
            (item.kind == ActionKind::Move && MovesWithin(entry->device, item.destination)))
            continue;
        if (!item.kept.empty()) {
            const std::optional<platform::FileIdentity> kept = platform::IdentifyTarget(item.kept);
            if (kept && kept->sameFile(*entry))
                continue;
        }
        if (++linksTaken[{entry->device, entry->fileNumber}] == entry->links)
            freed[i] = entry->size;
    }
    return freed;
}

std::uint64_t ActionPlan::bytesFreed() const
{
    const std::vector<std::uint64_t> freed = BytesFreedByItems(*this);
    return std::accumulate(freed.begin(), freed.end(), std::uint64_t{0});
}

std::uint64_t ActionPlan::bytesListed() const
{
    std::uint64_t bytes = 0;
    for (const PlannedAction& item : items)
        bytes += item.listed ? item.listed->size : 0;
    return bytes;
}

} // namespace quorvex
