#include "platform/desktop/RecycleBin.h"

#include "platform/DesktopTrash.h"
#include "platform/FileSystem.h"
#include "platform/desktop/Dialogs.h"
#include "platform/desktop/ShownText.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace fs = quorvex::platform;

namespace {

std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// Deletes a file, a link or a whole folder for good. Walks with an explicit stack
// (deep trees), never follows a link, and stops at the first entry it cannot remove.
bool deleteForGood(const std::string& path)
{
    if (!fs::IsExistingFolder(path) || fs::GetAttributes(path).value_or(0) & fs::kAttrReparsePoint)
        return fs::DeleteRegularFile(path);
    std::vector<std::pair<std::string, bool>> stack{{path, false}}; // folder, listed
    std::vector<fs::DirEntry> entries;
    while (!stack.empty()) {
        if (stack.back().second) {
            if (!fs::RemoveEmptyFolder(stack.back().first))
                return false;
            stack.pop_back();
            continue;
        }
        stack.back().second = true;
        const std::string folder = stack.back().first + "/";
        if (!fs::ListDirectory(folder, entries))
            return false;
        for (const fs::DirEntry& entry : entries) {
            if (entry.isDotName())
                continue;
            const bool isLink = (entry.attributes & fs::kAttrReparsePoint) != 0;
            if (entry.isDirectory() && !isLink)
                stack.emplace_back(folder + entry.name, false);
            else if (!fs::DeleteRegularFile(folder + entry.name))
                return false;
        }
    }
    return true;
}

QString confirmationText(const std::vector<std::string>& paths)
{
    if (paths.size() == 1) {
        const QString name = QFileInfo(ShownText(withoutTrailingSlash(paths.front()))).fileName();
        return QStringLiteral("「%1」をごみ箱に移動しますか？").arg(name);
    }
    return QStringLiteral("%1 個の項目をごみ箱に移動しますか？").arg(paths.size());
}

// True when `path` is `folder` itself or lies somewhere below it.
bool liesWithin(const std::string& path, const std::string& folder)
{
    return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

enum class ItemResult
{
    Removed,
    Declined, // the user would not have it deleted for good
    Failed,
};

// Trashes one existing item, or deletes it for good once the user agrees.
ItemResult removeItem(Dialogs& dialogs, QWidget* owner, const std::string& path)
{
    if (fs::MoveToDesktopTrash(path))
        return ItemResult::Removed;
    const QString question =
        QStringLiteral("「%1」はごみ箱に移動できません。\n完全に削除しますか？")
            .arg(ShownText(path));
    if (!dialogs.askYesNo(owner, QStringLiteral("完全に削除"), question))
        return ItemResult::Declined;
    return deleteForGood(path) ? ItemResult::Removed : ItemResult::Failed;
}

} // namespace

RecycleOutcome SendToRecycleBin(Dialogs& dialogs, QWidget* owner,
                                const std::vector<std::string>& paths, bool showErrors)
{
    RecycleOutcome outcome;
    if (paths.empty())
        return outcome;
    if (!dialogs.askYesNo(owner, QStringLiteral("ごみ箱に移動"), confirmationText(paths))) {
        outcome.result = RecycleBinResult::Cancelled;
        outcome.aborted = true;
        return outcome;
    }
    outcome.confirmed = true;
    outcome.removed.assign(paths.size(), false);
    QStringList failures;
    const auto fail = [&](int result, const std::string& path, const QString& reason) {
        if (outcome.result == RecycleBinResult::Ok)
            outcome.result = result;
        failures << ShownText(path) + reason;
    };
    std::vector<std::string> removedPaths;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string path = withoutTrailingSlash(paths[i]);
        // The root, or nothing at all, is never deleted.
        if (path.empty() || path == "/") {
            fail(RecycleBinResult::Failed, paths[i], QStringLiteral("\nは削除できません。"));
            continue;
        }
        // Gone with a folder given before it: removed by this operation all the same.
        if (std::ranges::any_of(removedPaths, [&](const std::string& folder) {
                return liesWithin(path, folder);
            })) {
            outcome.removed[i] = true;
            continue;
        }
        if (!fs::LookupEntry(path)) {
            fail(RecycleBinResult::NotFound, path, QStringLiteral("\nが見つかりません。"));
            continue;
        }
        switch (removeItem(dialogs, owner, path)) {
        case ItemResult::Removed:
            outcome.removed[i] = true;
            removedPaths.push_back(path);
            break;
        case ItemResult::Declined:
            outcome.aborted = true;
            break;
        case ItemResult::Failed:
            fail(RecycleBinResult::Failed, path, QStringLiteral("\n削除できませんでした。"));
            break;
        }
    }
    if (showErrors && !failures.isEmpty())
        dialogs.showMessage(owner, failures.join(QStringLiteral("\n\n")));
    return outcome;
}
