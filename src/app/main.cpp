// The desktop program: one instance per user, one main window.
#include "app/AppFonts.h"
#include "app/TForm1.h"
#include "platform/desktop/QtDialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    InstallFontSubstitutes();
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    QtDialogs dialogs(QApplication::applicationName());
    TForm1 form(dialogs, TForm1::ScreenColorDepth());
    form.show();
    QApplication::exec();
    return 0;
}
