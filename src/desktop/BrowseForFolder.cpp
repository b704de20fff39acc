#include "desktop/BrowseForFolder.h"

#include "desktop/Dialogs.h"
#include "platform/desktop/ShownText.h"

#include <QCoreApplication>

namespace {

// The context of this file's texts in the catalogue.
struct MoveFolderChoice
{
    Q_DECLARE_TR_FUNCTIONS(MoveFolderChoice)
};

} // namespace

QString BrowseForFolder(Dialogs& dialogs, QWidget* owner, const QString& title,
                        const QString& initialFolder)
{
    return dialogs.chooseFolder(owner, title, initialFolder);
}

std::string ChooseMoveFolder(Dialogs& dialogs, QWidget* owner, QString& lastFolder)
{
    const QString folder = BrowseForFolder(
        dialogs, owner, MoveFolderChoice::tr("移動先のフォルダを選択して下さい"), lastFolder);
    if (folder.isEmpty())
        return {};
    lastFolder = folder;
    return TextBytes(folder);
}
