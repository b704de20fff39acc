#include "app/MainWindowRun.h"

#include "desktop/Dialogs.h"
#include "platform/desktop/ShownText.h"

#include <QApplication>

#include <exception>

int RunMainWindow(Dialogs& dialogs, const std::function<std::unique_ptr<QWidget>()>& build)
{
    std::unique_ptr<QWidget> window;
    try {
        window = build();
    } catch (const std::exception& error) {
        dialogs.showMessage(nullptr, ShownText(error.what()));
        return 0;
    }
    window->show();
    QApplication::exec();
    return 0;
}
