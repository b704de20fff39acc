#include "desktop/RefusalWords.h"

#include "platform/desktop/ShownText.h"

using quorvex::RefusalReason;

QString RefusalWords::text(const quorvex::InputRefusal& refusal)
{
    const QString path = ShownText(refusal.path);
    switch (refusal.reason) {
    case RefusalReason::None:
        return {};
    case RefusalReason::UnknownFile:
        return tr("ファイル [ %1 ]\n\nファイルパスが不明です。").arg(path);
    case RefusalReason::UnknownFolder:
        return tr("フォルダ [ %1 ]\n\nファイルパスが不明です。").arg(path);
    case RefusalReason::UnknownSideA:
        return tr("A [ %1 ]\n\nファイルパスが不明です。").arg(path);
    case RefusalReason::UnknownSideB:
        return tr("B [ %1 ]\n\nファイルパスが不明です。").arg(path);
    case RefusalReason::FolderAgainstFile:
        return tr("フォルダとファイルの比較は行えません！");
    case RefusalReason::NestedFolders:
        return tr("フォルダ [ %1 ]\n\n検索するほかのフォルダと重なっています。").arg(path);
    case RefusalReason::LinksNeedFullMatch:
        return tr("リンクとリフリンク（複製）は、100% で一致したファイルにだけ使えます。");
    case RefusalReason::LinksNeedSameBytes:
        return tr("リンクとリフリンク（複製）は、画像として比較した結果には使えません。");
    }
    return {};
}
