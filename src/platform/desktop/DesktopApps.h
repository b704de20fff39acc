#pragma once
// The desktop's applications as its .desktop files describe them, and which of them
// can open an item: whether the item's type has a default application (the mime
// apps lists, or an application that declares the type), the candidates of the
// program chooser, and the argument vector that starts an application on an item.

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QMimeType;

// The folders the lookups read, in precedence order (most important first).
struct XdgDirs
{
    QStringList dataDirs;   // $XDG_DATA_HOME, then $XDG_DATA_DIRS
    QStringList configDirs; // $XDG_CONFIG_HOME, then $XDG_CONFIG_DIRS
    QStringList desktops;   // $XDG_CURRENT_DESKTOP, lower case
};

// The folders of the current environment, with the defaults of the XDG base
// directory rules for unset variables.
XdgDirs CurrentXdgDirs();

struct DesktopApp
{
    QString id;   // the desktop file id: its path below "applications/", '/' as '-'
    QString file; // the .desktop file
    QString name; // Name, localised where the file has it
    QString exec; // Exec, with the key file escapes resolved
    QStringList mimeTypes;
    bool noDisplay = false;
};

// The applications (Type=Application with an Exec, not Hidden) of every
// "applications" folder below `dirs.dataDirs`; a file id found in an earlier folder
// hides the same id in later ones. Sorted by name.
std::vector<DesktopApp> LoadDesktopApps(const XdgDirs& dirs);

// The type's name, its aliases and its ancestors (text/x-csrc: text/plain, ...).
QStringList MimeTypeFamily(const QMimeType& type);

// True when the desktop has an application for `type` itself: a [Default
// Applications] or [Added Associations] entry of a mimeapps.list naming an installed
// application, or an application that declares the type or one of its aliases.
bool HasDefaultApplication(const QMimeType& type, const std::vector<DesktopApp>& apps,
                           const XdgDirs& dirs);

struct OpenWithCandidates
{
    std::vector<DesktopApp> apps; // the declaring applications first, then the others
    int declaringCount = 0;
};

// The chooser's list for an item of `type`: the applications that declare the type
// or one of its ancestors, then every other one that is not hidden from menus.
OpenWithCandidates OpenWithCandidatesFor(const QMimeType& type,
                                         const std::vector<DesktopApp>& apps);

struct ProcessCommand
{
    QString program;
    QStringList arguments;
};

// The program and arguments that start `app` on the item `path` (exact bytes): the
// Exec line split by its quoting rules, %f %F given the path, %u %U its file URL, %c
// the name, %k the desktop file, %i the icon option dropped, %% a percent sign; the
// path is appended when the line takes no file. Nothing when the line is malformed or
// a %f path cannot be handed on unchanged (a name that is not valid in the locale's
// encoding).
std::optional<ProcessCommand> ExecCommand(const DesktopApp& app, const std::string& path);

// Starts `app` on the item, detached, with the argument vector (never a shell).
bool StartDesktopApp(const DesktopApp& app, const std::string& path);
