// Opening items through the Windows shell (win32/ShellVerbs.h); the program's chooser
// is not involved: the shell shows its own.
#include "platform/desktop/ShellActions.h"

#include "platform/desktop/ShownText.h"
#include "platform/desktop/win32/ShellVerbs.h"

#include <QUrl>
#include <QWidget>

namespace win32 = quorvex::platform::win32;

namespace {

HWND windowOf(QWidget* owner)
{
    return owner != nullptr ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
}

} // namespace

void OpenItem(const ApplicationChooser& choose, QWidget* owner, const std::string& path)
{
    if (win32::OpenWithAssociation(windowOf(owner), path) == win32::OpenResult::NoAssociation)
        OpenItemWith(choose, owner, path);
}

void OpenItemWith(const ApplicationChooser&, QWidget* owner, const std::string& path)
{
    win32::ChooseProgramFor(windowOf(owner), path);
}

bool OpenContainingFolder(const std::string& path)
{
    return win32::ShowInFolder(path);
}

bool ShowSystemProperties(QWidget* owner, const std::string& path)
{
    return win32::ShowPropertySheet(windowOf(owner), path);
}

QByteArray FileUrl(const std::string& path)
{
    return QUrl::fromLocalFile(ShownText(path)).toEncoded();
}
