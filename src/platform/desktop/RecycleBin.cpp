#include "platform/desktop/RecycleBin.h"

#include "platform/DesktopTrash.h"
#include "platform/FileSystem.h"
#include "platform/desktop/Dialogs.h"

#include <QFileInfo>

#include <utility>

namespace fs = quorvex::platform;

namespace {

QString displayPath(const std::string& path)
{
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

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
        const QString name = QFileInfo(displayPath(withoutTrailingSlash(paths.front()))).fileName();
        return QStringLiteral("「%1」をごみ箱に移動しますか？").arg(name);
    }
    return QStringLiteral("%1 個の項目をごみ箱に移動しますか？").arg(paths.size());
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
    const auto fail = [&](int result, const std::string& path, const QString& reason) {
        outcome.result = result;
        if (showErrors)
            dialogs.showMessage(owner, displayPath(path) + reason);
        return outcome;
    };
    for (const std::string& given : paths) {
        const std::string path = withoutTrailingSlash(given);
        // The root, or nothing at all, is never deleted.
        if (path.empty() || path == "/")
            return fail(RecycleBinResult::Failed, given, QStringLiteral("\nは削除できません。"));
        if (!fs::LookupEntry(path))
            return fail(RecycleBinResult::NotFound, path, QStringLiteral("\nが見つかりません。"));
        if (fs::MoveToDesktopTrash(path))
            continue;
        const QString question =
            QStringLiteral("「%1」はごみ箱に移動できません。\n完全に削除しますか？")
                .arg(displayPath(path));
        if (!dialogs.askYesNo(owner, QStringLiteral("完全に削除"), question)) {
            outcome.result = RecycleBinResult::Cancelled;
            outcome.aborted = true;
            return outcome;
        }
        if (!deleteForGood(path))
            return fail(RecycleBinResult::Failed, path, QStringLiteral("\n削除できませんでした。"));
    }
    return outcome;
}
