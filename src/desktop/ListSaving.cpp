#include "desktop/ListSaving.h"

#include "desktop/Dialogs.h"
#include "platform/TextFile.h"
#include "platform/desktop/ShownText.h"

bool SaveResultList(Dialogs& dialogs, QWidget* owner, const QString& suggestedName,
                    const std::function<quorvex::ResultWriter()>& table)
{
    const QString chosen = dialogs.chooseSaveFile(
        owner, QStringLiteral("リストを保存"), suggestedName,
        QStringLiteral("タブ区切りテキスト (*.tsv)|*.tsv|CSV (*.csv)|*.csv|全てのファイル|*.*"));
    if (chosen.isEmpty())
        return false;
    const std::string pathBytes = TextBytes(chosen);
    const std::string text = table().render(quorvex::SaveFormatForPath(pathBytes));
    if (quorvex::platform::WriteFileAtomically(pathBytes, text))
        return true;
    dialogs.showMessage(owner, QStringLiteral("[ ") + chosen +
                                   QStringLiteral(" ]\n\nリストを保存できませんでした。"));
    return false;
}
