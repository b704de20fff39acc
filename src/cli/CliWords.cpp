#include "cli/CliWords.h"

#include "common/ResultWriter.h"

namespace quorvex::cli {

std::string ActionFailureWords(const PlannedAction& item, const ActionOutcome& outcome)
{
    // Paths as TSV writes them: the words stay on the one line of their failure.
    const std::string kept = "残すファイル [ " + TsvField(item.kept) + " ] ";
    const auto withDetail = [&](std::string text) {
        if (!outcome.detail.empty())
            text += "（" + outcome.detail + "）";
        return text + "。";
    };
    switch (outcome.failure) {
    case ActionFailure::None:
    case ActionFailure::Declined:
        return {};
    case ActionFailure::Missing:
        return "見つかりません。";
    case ActionFailure::NotAFile:
        return item.folder ? "フォルダではなくなっています。" : "通常のファイルではありません。";
    case ActionFailure::Changed:
        return IsCopy(item.kind) ? "比較の後に変更されています。" : "検索の後に変更されています。";
    case ActionFailure::KeptMissing:
        return kept + "が見つかりません。";
    case ActionFailure::KeptChanged:
        return kept + "が検索の後に変更されています。";
    case ActionFailure::ContentDiffers:
        return kept + "と内容が一致しなくなっています。";
    case ActionFailure::SameFile:
        return kept + "と同じファイルです。";
    case ActionFailure::Unreadable:
        return withDetail("内容を比較するために読めません");
    case ActionFailure::CrossDevice:
        return kept + "と別のファイルシステムにあります。";
    case ActionFailure::LinksRefused:
        return withDetail("ここにはリンクを作れません");
    case ActionFailure::NoClone:
        return withDetail("このファイルシステムはリフリンク（複製）に対応していません");
    case ActionFailure::TargetExists:
        return (IsCopy(item.kind) ? "コピー先 [ " : "移動先 [ ") + TsvField(item.destination) +
               " ] に同じ名前の項目があります。";
    case ActionFailure::TargetChanged:
        return "コピー先 [ " + TsvField(item.destination) + " ] が比較の後に変更されています。";
    case ActionFailure::CopyDiffers:
        return "コピーが元のファイルと一致しません。";
    case ActionFailure::NotTrashable:
        return IsCopy(item.kind) ? "上書きされるファイル [ " + TsvField(item.destination) +
                                       " ] をごみ箱に残せません。"
                                 : "ごみ箱に移動できません。";
    case ActionFailure::NotRemovable:
        return withDetail("削除できません");
    case ActionFailure::DamagedEntry:
        return withDetail("ごみ箱の記録が壊れています");
    case ActionFailure::System:
        return withDetail("できませんでした");
    }
    return {};
}

std::string_view LeftOutWords(LeftOutReason reason)
{
    switch (reason) {
    case LeftOutReason::Changed:
        return "比較の後に変更されています。";
    case LeftOutReason::NotAFile:
        return "通常のファイルではありません。";
    case LeftOutReason::Unreadable:
        return "読めません。";
    }
    return {};
}

std::string RefusalWords(const InputRefusal& refusal)
{
    const auto unknown = [&](std::string_view kind) {
        return std::string(kind) + " [ " + refusal.path + " ]\n\nファイルパスが不明です。";
    };
    switch (refusal.reason) {
    case RefusalReason::None:
        return {};
    case RefusalReason::UnknownFile:
        return unknown("ファイル");
    case RefusalReason::UnknownFolder:
        return unknown("フォルダ");
    case RefusalReason::UnknownSideA:
        return unknown("A");
    case RefusalReason::UnknownSideB:
        return unknown("B");
    case RefusalReason::FolderAgainstFile:
        return "フォルダとファイルの比較は行えません！";
    case RefusalReason::NestedFolders:
        return "フォルダ [ " + refusal.path + " ]\n\n検索するほかのフォルダと重なっています。";
    case RefusalReason::LinksNeedFullMatch:
        return "リンクとリフリンク（複製）は、100% で一致したファイルにだけ使えます。";
    case RefusalReason::LinksNeedSameBytes:
        return "リンクとリフリンク（複製）は、画像として比較した結果には使えません。";
    }
    return {};
}

std::string NothingFoundWords(bool identicalSearch)
{
    return identicalSearch ? "一致するファイルはありませんでした。"
                           : "重複するファイルはありませんでした。";
}

std::string RunningTimeWords(RunEstimate& estimate)
{
    std::string text = "経過 " + FormatRunDuration(estimate.elapsed());
    if (const std::optional<RunDuration> left = estimate.remaining())
        text += "  残り 約 " + FormatRunDuration(*left);
    return text;
}

std::string ItemCountWords(std::size_t count)
{
    return std::to_string(count) + " 個";
}

} // namespace quorvex::cli
