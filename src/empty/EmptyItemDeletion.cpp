#include "empty/EmptyItemDeletion.h"

#include <cerrno>
#include <cstring>

#include "empty/EmptyEntryChecks.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

std::string LastErrorText()
{
    return std::strerror(errno);
}

// A file: read-only cleared first, as a read-only file cannot be deleted elsewhere.
// A file that is no longer empty is left untouched; should it change between the
// checks, its read-only bit is given back.
bool DeleteFile(const EmptyItemTarget& target, const BatchNotice& notify)
{
    if (!IsEmptyRegularFile(target.path))
        return false;
    if (const auto error = ClearReadOnly(target.path))
        notify({BatchProblem::SystemReason, target.path, false, *error});
    if (DeleteFileIfEmpty(target.path))
        return true;
    if (target.attributes >= 0 && (target.attributes & platform::kAttrReadOnly) != 0)
        (void)platform::SetAttributes(target.path, static_cast<std::uint32_t>(target.attributes));
    return false;
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

bool DeleteEmptyItem(const EmptyItemTarget& target, TrashList& trash, const BatchNotice& notify)
{
    const bool deleted =
        target.isFile ? DeleteFile(target, notify) : platform::RemoveEmptyFolder(target.path);
    if (!deleted) {
        notify({BatchProblem::DeleteFailed, target.path, !target.isFile, {}});
        return false;
    }
    trash.add(target.isFile ? target.path : platform::WithTrailingSeparator(target.path),
              target.attributes);
    return true;
}

std::vector<std::size_t> DeleteEmptyItems(const EmptyItemList& list,
                                          const std::vector<std::size_t>& selected,
                                          TrashList& trash, const BatchQuestion& ask,
                                          const BatchNotice& notify)
{
    std::vector<std::size_t> deleted;
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
        if (list.at(*row).check != DiskCheck::AsListed)
            continue;
        const EmptyItemTarget target = InspectEmptyItem(list.at(*row).Path);
        const BatchDecision decision =
            ask({BatchAction::DeleteEmptyItem, target.path, !target.isFile});
        if (decision == BatchDecision::Stop)
            break;
        if (decision == BatchDecision::Skip)
            continue;
        if (DeleteEmptyItem(target, trash, notify))
            deleted.push_back(*row);
    }
    return deleted;
}

void RemoveEmptyItemRecords(EmptyItemList& list, const std::vector<std::size_t>& descendingRows)
{
    std::vector<bool> removed(list.size(), false);
    for (std::size_t row : descendingRows)
        removed.at(row) = true;
    std::size_t index = 0;
    std::erase_if(list, [&](const EmptyItemRecord&) { return removed[index++]; });
    list.shrink_to_fit();
}

} // namespace quorvex
