#include "desktop/ListSaving.h"

#include "desktop/Dialogs.h"
#include "platform/TextFile.h"
#include "platform/desktop/ShownText.h"

#include <QCoreApplication>

namespace {

// The context of this file's texts in the catalogue.
struct ListSaving
{
    Q_DECLARE_TR_FUNCTIONS(ListSaving)
};

} // namespace

bool SaveResultList(Dialogs& dialogs, QWidget* owner, const QString& suggestedName,
                    const std::function<quorvex::ResultWriter()>& table)
{
    const QString chosen = dialogs.chooseSaveFile(
        owner, ListSaving::tr("リストを保存"), suggestedName,
        ListSaving::tr("タブ区切りテキスト (*.tsv)|*.tsv|CSV (*.csv)|*.csv|全てのファイル|*.*"));
    if (chosen.isEmpty())
        return false;
    const std::string pathBytes = TextBytes(chosen);
    const std::string text = table().render(quorvex::SaveFormatForPath(pathBytes));
    if (quorvex::platform::WriteFileAtomically(pathBytes, text))
        return true;
    dialogs.showMessage(owner,
                        ListSaving::tr("[ %1 ]\n\nリストを保存できませんでした。").arg(chosen));
    return false;
}
