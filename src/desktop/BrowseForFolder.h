#pragma once
// The folder chooser of the path inputs: the program's folder dialog opened at the
// initial folder, showing file-system folders only. Empty when cancelled.

#include <QString>

#include <string>

class Dialogs;
class QWidget;

QString BrowseForFolder(Dialogs& dialogs, QWidget* owner, const QString& title,
                        const QString& initialFolder);

// The folder that listed files are moved to, asked at `lastFolder`, which then keeps
// the answer; empty when cancelled.
std::string ChooseMoveFolder(Dialogs& dialogs, QWidget* owner, QString& lastFolder);
