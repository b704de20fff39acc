#include "desktop/ActionFailureWords.h"

#include "platform/desktop/ShownText.h"

using quorvex::ActionFailure;

QString ActionFailureWords::text(const quorvex::PlannedAction& item,
                                 const quorvex::ActionOutcome& outcome)
{
    const QString kept = ShownText(item.kept);
    const QString detail =
        outcome.detail.empty() ? QString() : tr("（%1）").arg(ShownText(outcome.detail));
    switch (outcome.failure) {
    case ActionFailure::None:
    case ActionFailure::Declined:
        return {};
    case ActionFailure::Missing:
        return tr("見つかりません。");
    case ActionFailure::NotAFile:
        return item.folder ? tr("フォルダではなくなっています。")
                           : tr("通常のファイルではありません。");
    case ActionFailure::Changed:
        return quorvex::IsCopy(item.kind) ? tr("比較の後に変更されています。")
                                          : tr("検索の後に変更されています。");
    case ActionFailure::KeptMissing:
        return tr("残すファイル [ %1 ] が見つかりません。").arg(kept);
    case ActionFailure::KeptChanged:
        return tr("残すファイル [ %1 ] が検索の後に変更されています。").arg(kept);
    case ActionFailure::ContentDiffers:
        return tr("残すファイル [ %1 ] と内容が一致しなくなっています。").arg(kept);
    case ActionFailure::SameFile:
        return tr("残すファイル [ %1 ] と同じファイルです。").arg(kept);
    case ActionFailure::Unreadable:
        return tr("内容を比較するために読めません%1。").arg(detail);
    case ActionFailure::CrossDevice:
        return tr("残すファイル [ %1 ] と別のファイルシステムにあります。").arg(kept);
    case ActionFailure::LinksRefused:
        return tr("ここにはリンクを作れません%1。").arg(detail);
    case ActionFailure::NoClone:
        return tr("このファイルシステムはリフリンク（複製）に対応していません%1。").arg(detail);
    case ActionFailure::TargetExists:
        return (quorvex::IsCopy(item.kind) ? tr("コピー先 [ %1 ] に同じ名前の項目があります。")
                                           : tr("移動先 [ %1 ] に同じ名前の項目があります。"))
            .arg(ShownText(item.destination));
    case ActionFailure::TargetChanged:
        return tr("コピー先 [ %1 ] が比較の後に変更されています。")
            .arg(ShownText(item.destination));
    case ActionFailure::CopyDiffers:
        return tr("コピーが元のファイルと一致しません。");
    case ActionFailure::NotTrashable:
        return quorvex::IsCopy(item.kind) ? tr("上書きされるファイル [ %1 ] をごみ箱に残せません。")
                                                .arg(ShownText(item.destination))
                                          : tr("ごみ箱に移動できません。");
    case ActionFailure::NotRemovable:
        return tr("削除できません%1。").arg(detail);
    case ActionFailure::DamagedEntry:
        return tr("ごみ箱の記録が壊れています%1。").arg(detail);
    case ActionFailure::System:
        return tr("できませんでした%1。").arg(detail);
    }
    return {};
}
