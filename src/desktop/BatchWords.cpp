#include "desktop/BatchWords.h"

#include "platform/desktop/ShownText.h"

using quorvex::BatchAction;
using quorvex::BatchProblem;

QString BatchWords::title(const quorvex::BatchItem& item)
{
    switch (item.action) {
    case BatchAction::RestoreFromTrash:
        return tr("ごみ箱からの取り出し確認");
    case BatchAction::PurgeFromTrash:
        // One Japanese title for both deletions; English tells them apart.
        return tr("削除確認", "removing entries from the program's trash for good");
    case BatchAction::DeleteEmptyItem:
        break;
    }
    return tr("削除確認");
}

QString BatchWords::question(const quorvex::BatchItem& item)
{
    QString text;
    switch (item.action) {
    case BatchAction::DeleteEmptyItem:
        text = item.folder ? tr("[ %1 ]\n\nこのフォルダを削除しても宜しいですか？")
                           : tr("[ %1 ]\n\nこのファイルを削除しても宜しいですか？");
        break;
    case BatchAction::RestoreFromTrash:
        text = item.folder
                   ? tr("[ %1 ]\n\nこのフォルダをごみ箱から元の場所に戻しても宜しいですか？")
                   : tr("[ %1 ]\n\nこのファイルをごみ箱から元の場所に戻しても宜しいですか？");
        break;
    case BatchAction::PurgeFromTrash:
        text = item.folder ? tr("[ %1 ]\n\nこのフォルダをごみ箱から削除しても宜しいですか？")
                           : tr("[ %1 ]\n\nこのファイルをごみ箱から削除しても宜しいですか？");
        break;
    }
    return text.arg(ShownText(item.path));
}

QString BatchWords::note(const quorvex::BatchNote& note)
{
    switch (note.problem) {
    case BatchProblem::SystemReason:
        return ShownText(note.detail);
    case BatchProblem::DeleteFailed:
        return tr("%1\n削除に失敗しました。").arg(ShownText(note.path));
    case BatchProblem::RestoreFailed:
        return note.folder ? tr("フォルダを元に戻すのに失敗しました。")
                           : tr("ファイルを元に戻すのに失敗しました。");
    case BatchProblem::DamagedEntry:
        return tr("[ %1 ]\n\nごみ箱の記録が壊れています。'%2' は有効な整数値ではありません。")
            .arg(ShownText(note.path), ShownText(note.detail));
    }
    return {};
}
