// The desktop program: one instance per user, one main window.
#include "app/AppFonts.h"
#include "app/InterfaceTranslations.h"
#include "app/MainWindowRun.h"
#include "app/SingleInstance.h"
#include "app/TForm1.h"
#include "desktop/QtDialogs.h"
#include "platform/AppPaths.h"
#include "platform/desktop/ShownText.h"
#include "platform/desktop/TerminationRequests.h"

#include <QApplication>
#include <QIcon>

#include <exception>
#include <memory>
#include <optional>

namespace {

// An exception that reaches the event loop is shown and the program goes on.
class QuorvexApplication : public QApplication
{
public:
    using QApplication::QApplication;
    Dialogs* dialogs = nullptr;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            if (dialogs)
                dialogs->showMessage(activeWindow(), ShownText(error.what()));
        }
        return false;
    }
};

// A termination signal ends the program as closing its window does (settings, trash
// list and histories are written): open modal dialogs are dismissed first, as Escape
// would, so that no question waits for an answer nobody will give.
void CloseOnTermination(QWidget& window)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != &window && widget->isVisible() && widget->isModal())
            widget->close();
    window.close();
}

} // namespace

int main(int argc, char** argv)
{
    QuorvexApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    // The desktop's task lists match the window to the installed desktop entry and
    // show the installed icon (no icon when the program runs from its build folder).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEX_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(QUORVEX_APP_ID)));
    // The interface speaks the chosen language, Qt's own dialogs and buttons too.
    const InterfaceTranslations translations(StartLanguage(QApplication::applicationName()),
                                             quorvex::platform::ExeDir());
    InstallFontSubstitutes();
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    QtDialogs dialogs(QApplication::applicationName());
    app.dialogs = &dialogs;

    quorvex::platform::InstanceLock lock(
        quorvex::platform::InstanceLock::DefaultPath(TextBytes(QApplication::applicationName())));
    if (quorvex::app::AnotherInstanceRuns(lock)) {
        dialogs.showMessage(nullptr, QCoreApplication::translate("main", "%1 は実行中です。")
                                         .arg(QApplication::applicationName()));
        return 0;
    }

    // Taken from the moment the window exists: a signal before then ends the program
    // as the system would, with nothing of this run to write yet.
    std::optional<TerminationRequests> termination;
    return RunMainWindow(dialogs, [&dialogs, &termination] {
        auto form = std::make_unique<TForm1>(dialogs, TForm1::ScreenColorDepth());
        termination.emplace();
        QObject::connect(&*termination, &TerminationRequests::requested, form.get(),
                         [window = form.get()] { CloseOnTermination(*window); });
        return std::unique_ptr<QWidget>(std::move(form));
    });
}
