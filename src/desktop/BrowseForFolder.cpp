#include "desktop/BrowseForFolder.h"

#include "desktop/Dialogs.h"

QString BrowseForFolder(Dialogs& dialogs, QWidget* owner, const QString& title,
                        const QString& initialFolder)
{
    return dialogs.chooseFolder(owner, title, initialFolder);
}
