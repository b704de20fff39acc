#pragma once
// Opening items with the desktop's applications, showing them in their folders and
// in the system's property sheet, and putting items on the clipboard as files, so
// that a file manager pastes copies of them. Paths are the exact bytes of the names,
// with the system's separators.
//
// POSIX: the freedesktop applications (DesktopApps.h) and the program's own chooser.
// Windows: the shell's verbs (win32/ShellVerbs.h) and its "open with" dialog.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMimeData;
class QWidget;

// Asks the user for an application to open the item `itemPath` with, out of the names
// of `applications`, the first `declaringCount` of which declare the item's type; the
// index of the chosen one, or -1 when none was chosen.
using ApplicationChooser = std::function<int(const QString& itemPath,
                                             const QStringList& applications, int declaringCount)>;

// Opens the item with the default application for its type; when the type has none,
// the program chooser follows (OpenItemWith). Failures are not reported.
void OpenItem(const ApplicationChooser& choose, QWidget* owner, const std::string& path);
// Lets the user choose an application and starts it on the item: on POSIX `choose`
// (the applications declaring the item's type first), on Windows the system's dialog.
void OpenItemWith(const ApplicationChooser& choose, QWidget* owner, const std::string& path);
// Opens the folder that holds the item (a path with a trailing separator counts as
// the folder itself, so its parent opens), on Windows with the item selected; a root
// holds itself.
bool OpenContainingFolder(const std::string& path);
std::string ContainingFolder(const std::string& path);
// Shows the system's property sheet of the item; false where the desktop has none
// (POSIX), so that the caller shows its own.
bool ShowSystemProperties(QWidget* owner, const std::string& path);

// The file: URL of a path. On POSIX it is percent-encoded from the path's bytes, so
// that any name survives; on Windows, where names are text, QUrl's form of it.
QByteArray FileUrl(const std::string& path);

// The clipboard form of a list of files: "text/uri-list" (which Windows pastes as a
// file-drop list), the "x-special/gnome-copied-files" form Linux file managers paste
// from ("copy" and the URLs), and the paths as plain text, one a line.
std::unique_ptr<QMimeData> FileDropMimeData(const std::vector<std::string>& paths);
// Replaces the clipboard's content with the files; does nothing for an empty list.
void PutFilesOnClipboard(const std::vector<std::string>& paths);
