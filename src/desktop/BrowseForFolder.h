#pragma once
// The folder chooser of the path inputs: the program's folder dialog opened at the
// initial folder, showing file-system folders only. Empty when cancelled.

#include <QString>

class Dialogs;
class QWidget;

QString BrowseForFolder(Dialogs& dialogs, QWidget* owner, const QString& title,
                        const QString& initialFolder);
