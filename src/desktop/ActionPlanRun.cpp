#include "desktop/ActionPlanRun.h"
#include "desktop/ActionFailureWords.h"

#include "desktop/Dialogs.h"
#include "desktop/PageServices.h"
#include "desktop/PlanDetails.h"
#include "desktop/RunIndicatorObserver.h"
#include "desktop/RunScope.h"
#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/desktop/ShownText.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <set>

using quorvex::ActionKind;

namespace {

// The context of this file's texts in the catalogue.
struct ActionPlanRun
{
    Q_DECLARE_TR_FUNCTIONS(ActionPlanRun)
};

// "1,234,567 バイト".
QString byteCount(std::uint64_t bytes)
{
    QString digits = QString::number(static_cast<qulonglong>(bytes));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return ActionPlanRun::tr("%1 バイト").arg(digits);
}

// The last name of a path, for a question about one item.
QString nameOf(const std::string& path)
{
    const std::string_view entry = quorvex::platform::WithoutTrailingSeparators(path);
    return ShownText(std::string(entry.substr(quorvex::platform::FindLastSeparator(entry) + 1)));
}

// The question before copies: the files copied with their bytes, those that
// replace a file (which goes to the trash or stays beside under a versioned name),
// and the folders made.
QString copyConfirmationText(const quorvex::ActionPlan& plan)
{
    std::size_t files = 0, replacing = 0, versioned = 0, folders = 0;
    for (const quorvex::PlannedAction& item : plan.items) {
        folders += item.folder ? 1 : 0;
        files += item.folder ? 0 : 1;
        const bool replaces = item.kind == ActionKind::Replace;
        versioned += replaces && !item.versionedAs.empty() ? 1 : 0;
        replacing += replaces && item.versionedAs.empty() ? 1 : 0;
    }
    QString text = ActionPlanRun::tr("%n 個のファイル（%1）をコピーしますか？", nullptr, int(files))
                       .arg(byteCount(plan.bytesListed()));
    if (replacing > 0)
        text +=
            u'\n' + ActionPlanRun::tr("うち %n 個は、上書きされるファイルをごみ箱に移動します。",
                                      nullptr, int(replacing));
    if (versioned > 0)
        text += u'\n' +
                ActionPlanRun::tr("うち %n 個は、上書きされるファイルを日時付きの名前で残します。",
                                  nullptr, int(versioned));
    if (folders > 0)
        text += u'\n' + ActionPlanRun::tr("%n 個のフォルダを作ります。", nullptr, int(folders));
    return text;
}

QString confirmationText(const quorvex::ActionPlan& plan)
{
    const std::size_t count = plan.items.size();
    const auto replacement = [&](const QString& by) {
        return ActionPlanRun::tr("%n 個のファイルを%1に置き換えますか？\n\n%2が空きます。", nullptr,
                                 int(count))
            .arg(by, byteCount(plan.bytesFreed()));
    };
    switch (plan.items.front().kind) {
    case ActionKind::Trash:
        if (count == 1)
            return ActionPlanRun::tr("「%1」をごみ箱に移動しますか？")
                .arg(nameOf(plan.items[0].path));
        if (plan.bytesListed() == 0)
            return ActionPlanRun::tr("%n 個の項目をごみ箱に移動しますか？", nullptr, int(count));
        return ActionPlanRun::tr("%n 個の項目（%1）をごみ箱に移動しますか？", nullptr, int(count))
            .arg(byteCount(plan.bytesListed()));
    case ActionKind::Move:
        return ActionPlanRun::tr("%n 個のファイル（%1）をフォルダへ移動しますか？", nullptr,
                                 int(count))
            .arg(byteCount(plan.bytesListed()));
    case ActionKind::HardLink:
        return replacement(ActionPlanRun::tr("ハードリンク"));
    case ActionKind::SymbolicLink:
        return replacement(ActionPlanRun::tr("シンボリックリンク"));
    case ActionKind::Reflink:
        return replacement(ActionPlanRun::tr("リフリンク（複製）"));
    case ActionKind::Copy:
    case ActionKind::Replace:
        return copyConfirmationText(plan);
    case ActionKind::TrashEmpty:
    case ActionKind::DeleteEmpty:
        return ActionPlanRun::tr("%n 個の空の項目を削除しますか？", nullptr, int(count));
    case ActionKind::Restore:
        return ActionPlanRun::tr("%n 個の項目をごみ箱から元の場所に戻しますか？", nullptr,
                                 int(count));
    case ActionKind::Purge:
        return ActionPlanRun::tr("%n 個の項目をごみ箱から削除しますか？", nullptr, int(count));
    }
    return {};
}

QString titleOf(ActionKind kind)
{
    switch (kind) {
    case ActionKind::Trash:
        return ActionPlanRun::tr("ごみ箱に移動");
    case ActionKind::Move:
        return ActionPlanRun::tr("フォルダへ移動");
    case ActionKind::HardLink:
    case ActionKind::SymbolicLink:
    case ActionKind::Reflink:
        return ActionPlanRun::tr("置き換え");
    case ActionKind::Copy:
    case ActionKind::Replace:
        return ActionPlanRun::tr("コピー");
    case ActionKind::TrashEmpty:
    case ActionKind::DeleteEmpty:
    case ActionKind::Purge:
        return ActionPlanRun::tr("削除確認");
    case ActionKind::Restore:
        return ActionPlanRun::tr("ごみ箱からの取り出し確認");
    }
    return {};
}

// Every item not done (a declined deletion aside), each as its path and its reason.
QString failuresText(const quorvex::ActionPlan& plan,
                     const std::vector<quorvex::ActionOutcome>& outcomes)
{
    QStringList failures;
    for (std::size_t i = 0; i < plan.items.size(); ++i)
        if (outcomes[i].failed() && outcomes[i].failure != quorvex::ActionFailure::Declined)
            failures << ShownText(plan.items[i].path) + u'\n' +
                            ActionFailureWords::text(plan.items[i], outcomes[i]);
    if (failures.isEmpty())
        return {};
    return ActionPlanRun::tr("次の %n 個の項目はそのままです。\n\n", nullptr,
                             int(failures.size())) +
           failures.join(QStringLiteral("\n\n"));
}

bool isEmptyFolder(const std::string& folder)
{
    std::vector<quorvex::platform::DirEntry> entries;
    return quorvex::platform::ListDirectory(folder, entries) && entries.size() == 2;
}

} // namespace

PlanRunResult ConfirmAndRunPlan(const PageServices& services, RunIndicatorObserver& progress,
                                const quorvex::ActionPlan& plan, const QString& note)
{
    PlanRunResult result;
    if (plan.items.empty())
        return result;
    Dialogs& dialogs = services.dialogs;
    QWidget* owner = &services.window;
    const std::string journalFolder = quorvex::ActionJournalFolder(services.userDataDir);
    if (!quorvex::JournalWritable(plan, journalFolder)) {
        // Said once, before anything is asked, rather than as the failure of every item.
        dialogs.showMessage(
            owner, ActionPlanRun::tr("次のフォルダに書き込めないため、何も変更しませんでした。\n"
                                     "[ %1 ]\n\n%2")
                       .arg(ShownText(journalFolder),
                            QString::fromStdString(quorvex::platform::LastFailureText())));
        return result;
    }
    const QString question =
        confirmationText(plan) + (note.isEmpty() ? QString() : QStringLiteral("\n\n") + note);
    if (!dialogs.askYesNoWithDetails(owner, titleOf(plan.items.front().kind), question,
                                     PlanDetails(plan)))
        return result;
    result.confirmed = true;
    {
        const RunScope run(progress, services.runs);
        const quorvex::PlanRunSettings settings{
            progress, journalFolder, [&](const quorvex::PlannedAction& item) {
                return dialogs.askYesNo(
                    owner, ActionPlanRun::tr("完全に削除"),
                    ActionPlanRun::tr("「%1」はごみ箱に移動できません。\n完全に削除しますか？")
                        .arg(ShownText(item.path)));
            }};
        result.outcomes = quorvex::RunActionPlan(plan, settings);
    }
    progress.finish();
    if (const QString failures = failuresText(plan, result.outcomes); !failures.isEmpty())
        dialogs.showMessage(owner, failures);
    return result;
}

void OfferEmptyFolderSearch(const PageServices& services, const quorvex::ActionPlan& plan,
                            const std::vector<quorvex::ActionOutcome>& outcomes,
                            const std::string& searchFolder)
{
    std::set<std::string> left; // the folders that files left
    for (std::size_t i = 0; i < plan.items.size() && i < outcomes.size(); ++i) {
        const quorvex::PlannedAction& item = plan.items[i];
        if (!outcomes[i].done || (item.kind != ActionKind::Trash && item.kind != ActionKind::Move))
            continue;
        const std::string path(quorvex::platform::WithoutTrailingSeparators(item.path));
        left.insert(path.substr(0, quorvex::platform::FindLastSeparator(path) + 1));
    }
    if (std::none_of(left.begin(), left.end(), isEmptyFolder))
        return;
    const QString folder = ShownText(searchFolder);
    if (services.dialogs.askYesNo(
            &services.window, ActionPlanRun::tr("空のフォルダ"),
            ActionPlanRun::tr("ファイルがなくなって空になったフォルダがあります。\n[ %1 ]\n\n"
                              "このフォルダの中で、空のフォルダとファイルを探しますか？")
                .arg(folder)))
        services.registrations.searchEmptyItems(folder);
}
