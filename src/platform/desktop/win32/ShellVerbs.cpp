#include "platform/desktop/win32/ShellVerbs.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/PathText.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform::win32 {

namespace {

// COM for the calls that need it, on a thread that may or may not have it already
// (the desktop program's has it; each initialisation that succeeds is undone).
class ComScope
{
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

bool executeVerb(HWND owner, const wchar_t* verb, const std::wstring& file, ULONG mask, int show)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.hwnd = owner;
    info.lpVerb = verb;
    info.lpFile = file.c_str();
    info.nShow = show;
    return ShellExecuteExW(&info) != FALSE;
}

} // namespace

std::wstring ShellPath(std::string_view path)
{
    std::wstring wide = Widen(path);
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    return wide;
}

OpenResult OpenWithAssociation(HWND owner, std::string_view path)
{
    const std::wstring file = ShellPath(path);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info))
        return OpenResult::Opened;
    const DWORD error = GetLastError();
    const auto code = reinterpret_cast<INT_PTR>(info.hInstApp);
    if (error == ERROR_NO_ASSOCIATION || code == SE_ERR_NOASSOC)
        return OpenResult::NoAssociation;
    return OpenResult::Failed;
}

bool ChooseProgramFor(HWND owner, std::string_view path)
{
    const std::wstring file = ShellPath(path);
    OPENASINFO info{};
    info.pcszFile = file.c_str();
    info.oaifInFlags = OAIF_ALLOW_REGISTRATION | OAIF_REGISTER_EXT | OAIF_EXEC;
    const ComScope com;
    return SUCCEEDED(SHOpenWithDialog(owner, &info));
}

bool ShowInFolder(std::string_view path)
{
    const std::string_view item = WithoutTrailingSeparators(path);
    if (item.size() <= RootLength(item))
        return executeVerb(nullptr, L"open", ShellPath(item), 0, SW_SHOW);
    const ComScope com;
    PIDLIST_ABSOLUTE list = ILCreateFromPathW(ShellPath(item).c_str());
    if (list == nullptr) // gone: its folder opens all the same
        return executeVerb(nullptr, L"open", ShellPath(ParentFolder(item)), 0, SW_SHOW);
    const HRESULT result = SHOpenFolderAndSelectItems(list, 0, nullptr, 0);
    ILFree(list);
    return SUCCEEDED(result);
}

bool ShowPropertySheet(HWND owner, std::string_view path)
{
    return executeVerb(owner, L"properties", ShellPath(path),
                       SEE_MASK_INVOKEIDLIST | SEE_MASK_FLAG_NO_UI, SW_SHOWNORMAL);
}

} // namespace quorvex::platform::win32
