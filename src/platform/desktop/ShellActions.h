#pragma once
// Opening items with the desktop's applications and putting items on the clipboard
// as files, so that a file manager pastes copies of them. Paths are the exact bytes
// of the names, '/' separators.

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class Dialogs;
class QMimeData;
class QWidget;

// Opens the item with the desktop's default application for its type; when the type
// has none, the program chooser follows (OpenItemWith). Failures are not reported.
void OpenItem(Dialogs& dialogs, QWidget* owner, const std::string& path);
// Lets the user choose an application (those declaring the item's type first) and
// starts it on the item.
void OpenItemWith(Dialogs& dialogs, QWidget* owner, const std::string& path);
// Hands the item to the desktop's opener as it is, without the chooser; false when
// that could not be started.
bool OpenItem(const std::string& path);
// Opens the folder that holds the item (a path with a trailing '/' counts as the
// folder itself, so its parent opens); the root holds itself.
bool OpenContainingFolder(const std::string& path);
std::string ContainingFolder(const std::string& path);

// The file: URL of a path, percent-encoded from its bytes, so that any name survives.
QByteArray FileUrl(const std::string& path);

// The clipboard form of a list of files: "text/uri-list", the
// "x-special/gnome-copied-files" form file managers paste from ("copy" and the URLs),
// and the paths as plain text, one a line.
std::unique_ptr<QMimeData> FileDropMimeData(const std::vector<std::string>& paths);
// Replaces the clipboard's content with the files; does nothing for an empty list.
void PutFilesOnClipboard(const std::vector<std::string>& paths);
