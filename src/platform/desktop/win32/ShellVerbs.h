#pragma once
// The shell's verbs on an item, for the desktop program on Windows: open it with the
// program its type is associated with, let the user choose a program for it, show it
// selected in its folder, show its property sheet. Paths are UTF-8 with either
// separator. Nothing here depends on Qt; `owner` is the window the shell's own
// windows belong to (null for none).

#include <windows.h>

#include <string>
#include <string_view>

namespace quorvex::platform::win32 {

enum class OpenResult
{
    Opened,
    NoAssociation, // no program is associated with the item's type
    Failed,
};

// Runs the item's default verb, as a double click in the file manager does, without
// the shell's own "no program" dialog (the caller offers the chooser instead).
OpenResult OpenWithAssociation(HWND owner, std::string_view path);
// The system's dialog for choosing a program for the item, which then opens it.
bool ChooseProgramFor(HWND owner, std::string_view path);
// Opens the folder that holds the item with the item selected; a root opens itself.
bool ShowInFolder(std::string_view path);
// The shell's property sheet of the item (it stays open on its own).
bool ShowPropertySheet(HWND owner, std::string_view path);

// The path as the shell takes it: UTF-16 with '\' separators (it does not read '/'
// everywhere, nor the "\\?\" form of long paths).
std::wstring ShellPath(std::string_view path);

} // namespace quorvex::platform::win32
