// The help button of the main window: one independent help window per click, opened
// at the section of the page in view.

#include "help/HelpBrowser.h"
#include "help/TWebDlg.h"
#include "support/FormFixture.h"

#include <QPointer>
#include <QTabWidget>
#include <QToolButton>

namespace {

class HelpLaunchTest : public FormFixture
{
protected:
    QList<TWebDlg*> helpWindows(TForm1& form) const { return form.findChildren<TWebDlg*>(); }
};

TEST_F(HelpLaunchTest, EveryClickOpensAnotherWindowThatClosesOnItsOwn)
{
    auto form = makeForm();
    form->show();
    form->SpeedButton5->click();
    form->SpeedButton5->click();
    const QList<TWebDlg*> windows = helpWindows(*form);
    ASSERT_EQ(windows.size(), 2);
    for (TWebDlg* window : windows) {
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->isWindow());
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Help"));
        EXPECT_FALSE(window->windowIcon().isNull());
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }
    EXPECT_FALSE(form->isHidden());

    const QPointer<TWebDlg> first = windows[0];
    const QPointer<TWebDlg> second = windows[1];
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(helpWindows(*form).size(), 1);
}

TEST_F(HelpLaunchTest, EachPageOpensItsOwnSection)
{
    auto form = makeForm();
    const char* anchors[] = {"Tessik", "FileKen", "KaraFile", "Gomi", "Option", "Rireki"};
    for (int page = 0; page < 6; ++page) {
        form->PageControl1->setCurrentIndex(page);
        form->SpeedButton5->click();
        const QList<TWebDlg*> windows = helpWindows(*form);
        ASSERT_EQ(windows.size(), page + 1);
        const QUrl& address = windows.last()->StartUrl();
        EXPECT_EQ(address.fragment(), QString::fromLatin1(anchors[page]));
        EXPECT_TRUE(address.isLocalFile());
        EXPECT_TRUE(address.toLocalFile().endsWith(QStringLiteral("/Help/Quorvex.htm")));
        EXPECT_EQ(windows.last()->CppWebBrowser1->source(), address);
    }
}

} // namespace
