#include "empty/EmptyItemDeletion.h"

#include "actions/RowBatch.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex {

ActionPlan PlanEmptyItemDeletion(const EmptyItemList& list,
                                 const std::vector<std::size_t>& selected, ActionKind kind)
{
    ActionPlan plan;
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
        const EmptyItemRecord& record = list.at(*row);
        if (record.check != DiskCheck::AsListed)
            continue;
        PlannedAction& item = plan.items.emplace_back();
        item.kind = kind;
        item.path = platform::AbsolutePath(record.Path);
        item.folder = !platform::IsExistingFile(item.path);
        item.row = *row;
    }
    return plan;
}

std::vector<std::size_t> DeleteEmptyItems(const ActionPlan& plan, TrashList& trash,
                                          const BatchQuestion& ask, const BatchNotice& notify)
{
    std::vector<std::size_t> deleted;
    RunRowBatch(plan, trash, BatchAction::DeleteEmptyItem, ask, notify,
                [&](std::size_t row) { deleted.push_back(row); });
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
