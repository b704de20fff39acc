// The help window: navigation with its three buttons, the centred button group, and
// the page shown for a missing document.

#include "help/TWebDlg.h"
#include "help/HelpBrowser.h"
#include "support/TempTree.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tree.file("Help/Quorvex.htm",
                  "<html><body><p><a name=\"One\"></a>One</p><p><a href=\"other.htm\">other</a>"
                  "</p><p><a name=\"Two\"></a>Two</p></body></html>");
        tree.file("Help/other.htm", "<html><body><p>Other page</p></body></html>");
    }

    QUrl address(const std::string& relative, const QString& anchor = {}) const
    {
        QUrl url = QUrl::fromLocalFile(QString::fromStdString(tree.path(relative)));
        url.setFragment(anchor.isEmpty() ? QString() : anchor);
        return url;
    }

    TWebDlg& openWindow(const QUrl& url)
    {
        auto* window = new TWebDlg(url, &owner);
        window->show();
        return *window;
    }

    quorvex::test::TempTree tree;
    QWidget owner;
};

TEST_F(HelpWindowTest, ButtonsGoBackForwardAndReturnToTheStartAddress)
{
    const QUrl start = address("Help/Quorvex.htm", QStringLiteral("Two"));
    TWebDlg& window = openWindow(start);
    HelpBrowser& browser = *window.CppWebBrowser1;
    EXPECT_EQ(browser.source(), start);

    // At the start of the history going back or forward changes nothing.
    window.Button1->click();
    window.Button2->click();
    EXPECT_EQ(browser.source(), start);

    const QUrl other = address("Help/other.htm");
    browser.setSource(other);
    EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("Other page")));

    window.Button3->click();
    EXPECT_EQ(browser.source(), start);
    EXPECT_EQ(browser.source().fragment(), QStringLiteral("Two"));
    EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("Two")));

    window.Button1->click();
    EXPECT_EQ(browser.source(), other);
    window.Button2->click();
    EXPECT_EQ(browser.source(), start);
}

TEST_F(HelpWindowTest, ButtonGroupStaysCentredWhenTheWindowIsResized)
{
    TWebDlg& window = openWindow(address("Help/Quorvex.htm"));
    EXPECT_EQ(window.size(), QSize(TWebDlg::InitialWidth, TWebDlg::InitialHeight));
    for (const int width : {TWebDlg::InitialWidth, 780, 501, 320}) {
        window.resize(width, TWebDlg::InitialHeight);
        ASSERT_EQ(window.width(), width);
        const int half = width / 2;
        EXPECT_EQ(window.Button1->x() + window.Button1->width(), half - 2) << width;
        EXPECT_EQ(window.Button2->x(), half + 2) << width;
        EXPECT_EQ(window.Button3->x(), window.Button2->x() + window.Button2->width() + 4) << width;
        EXPECT_EQ(window.Panel1->width(), width);
        EXPECT_EQ(window.CppWebBrowser1->geometry().top(), TWebDlg::TopBarHeight);
    }
}

TEST_F(HelpWindowTest, MissingDocumentShowsAPageNamingIt)
{
    const QUrl missing = address("nowhere/Quorvex.htm", QStringLiteral("Gomi"));
    TWebDlg& window = openWindow(missing);
    const QString text = window.CppWebBrowser1->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("見つかりません"))) << text.toStdString();
    EXPECT_TRUE(text.contains(missing.toLocalFile())) << text.toStdString();

    // The history still works from there on.
    window.CppWebBrowser1->setSource(address("Help/other.htm"));
    window.Button3->click();
    EXPECT_EQ(window.CppWebBrowser1->source(), missing);
}

// Escape in the document (which passes it on) closes that window alone.
TEST_F(HelpWindowTest, EscapeClosesTheWindow)
{
    QPointer<TWebDlg> window = &openWindow(address("Help/Quorvex.htm"));
    QPointer<TWebDlg> other = &openWindow(address("Help/Quorvex.htm"));
    QTest::keyClick(window->CppWebBrowser1, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(window->CppWebBrowser1, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(other->isVisible());
}

TEST(HelpBrowserTest, MissingDocumentPageEscapesThePath)
{
    const QString page = HelpBrowser::MissingDocumentPage(QStringLiteral("/tmp/a<b>&c.htm"));
    EXPECT_TRUE(page.contains(QStringLiteral("/tmp/a&lt;b&gt;&amp;c.htm")));
}

} // namespace
