#include "desktop/ListSaving.h"

#include "desktop/Dialogs.h"
#include "platform/FailureReason.h"
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

bool OpenResultList(Dialogs& dialogs, QWidget* owner,
                    const std::function<OpenedList(std::string_view text)>& open)
{
    const QString chosen =
        dialogs.chooseFile(owner, ListSaving::tr("リストを開く"), QString(),
                           ListSaving::tr("保存したリスト|*.tsv;*.json|全てのファイル|*.*"));
    if (chosen.isEmpty())
        return false;
    const std::optional<std::string> text = quorvex::platform::ReadWholeFile(TextBytes(chosen));
    const OpenedList opened = text ? open(*text) : OpenedList{quorvex::platform::LastFailureText()};
    if (!opened.error.empty()) {
        dialogs.showMessage(owner, ListSaving::tr("[ %1 ]\n\nリストを開けませんでした。\n%2")
                                       .arg(chosen, ShownText(opened.error)));
        return false;
    }
    if (opened.notAsListed > 0)
        dialogs.showMessage(
            owner, ListSaving::tr("%n 個の項目は、保存したときからなくなったか変わっています。"
                                  "印の付いた項目には何もしません。",
                                  nullptr, static_cast<int>(opened.notAsListed)));
    return true;
}
