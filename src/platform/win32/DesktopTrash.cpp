// Moving an entry to the Recycle Bin of its drive through the shell's delete with
// undo. A drive without a Recycle Bin would make the shell delete for good without
// asking; such an entry is refused instead, so that the caller can ask first.

#include "platform/DesktopTrash.h"

#include <windows.h>

#include <shellapi.h>

#include <cctype>

#include "platform/PathText.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

std::optional<std::string> MoveToDesktopTrash(std::string_view path)
{
    const std::string entry(WithoutTrailingSeparators(path));
    const std::size_t root = RootLength(entry);
    if (root == 0 || root == entry.size())
        return std::nullopt; // a relative path or a drive root
    SHQUERYRBINFO bin{};
    bin.cbSize = sizeof bin;
    if (FAILED(SHQueryRecycleBinW(win32::Widen(entry.substr(0, root)).c_str(), &bin)))
        return std::nullopt;
    // The shell takes a list of names, each ended by a NUL, the list by another.
    std::wstring names = win32::Widen(entry);
    names.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = names.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    if (SHFileOperationW(&operation) != 0 || operation.fAnyOperationsAborted)
        return std::nullopt;
    if (GetFileAttributesW(win32::WidePath(entry).c_str()) != INVALID_FILE_ATTRIBUTES)
        return std::nullopt; // still there
    return std::string();    // the Recycle Bin's own place, which the shell does not tell
}

// The Recycle Bin only takes entries away from their place.
std::optional<std::string> LinkIntoDesktopTrash(std::string_view)
{
    return std::nullopt;
}

void TakeOutOfDesktopTrash(std::string_view) {}

bool LiesInDesktopTrash(std::string_view path)
{
    // The Recycle Bin of a drive: "$Recycle.Bin" below its root, in any letter case.
    const std::size_t root = RootLength(path);
    const std::string_view below = path.substr(root);
    constexpr std::string_view kBin = "$recycle.bin";
    if (below.size() < kBin.size() ||
        (below.size() > kBin.size() && !IsSeparatorAt(below, kBin.size())))
        return false;
    for (std::size_t i = 0; i < kBin.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(below[i])) != kBin[i])
            return false;
    return true;
}

} // namespace quorvex::platform
