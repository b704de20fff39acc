#include "help/TWebDlg.h"

#include "help/HelpBrowser.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int kButtonWidth = 40;
constexpr int kButtonHeight = 22;
constexpr int kButtonTop = 2;

QPushButton* makeButton(QWidget& parent, const char* name, const QString& caption,
                        const QString& hint, bool bold)
{
    auto* button = new QPushButton(caption, &parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFocusPolicy(Qt::TabFocus);
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
    button->setGeometry(0, kButtonTop, kButtonWidth, kButtonHeight);
    return button;
}

} // namespace

TWebDlg::TWebDlg(const QUrl& address, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint), StartUrl_(address)
{
    setObjectName(QStringLiteral("WebDlg"));
    // Closing frees the window.
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    resize(InitialWidth, InitialHeight);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(TopBarHeight);
    Button1 = makeButton(*Panel1, "Button1", QStringLiteral("<"), tr("戻る"), true);
    Button2 = makeButton(*Panel1, "Button2", QStringLiteral(">"), tr("進む"), true);
    Button3 = makeButton(*Panel1, "Button3", QStringLiteral("R"), tr("最初に戻る"), false);
    for (QPushButton* button : {Button1, Button2, Button3})
        connect(button, &QPushButton::clicked, this, [this, button] { Button1Click(button); });

    CppWebBrowser1 = new HelpBrowser(this);
    CppWebBrowser1->setObjectName(QStringLiteral("CppWebBrowser1"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(CppWebBrowser1, 1);

    centreOnScreen();
    FormResize();
}

void TWebDlg::centreOnScreen()
{
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void TWebDlg::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Restoring a minimised window shows it again without a new navigation.
    if (!event->spontaneous())
        FormShow();
}

void TWebDlg::FormShow()
{
    CppWebBrowser1->Navigate(StartUrl_);
}

void TWebDlg::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

// The three buttons stay centred as a group: "<" ends 2 pixels left of the middle,
// ">" starts 2 pixels right of it, "R" follows 4 pixels after ">".
void TWebDlg::FormResize()
{
    const int half = width() / 2;
    Button1->move(half - Button1->width() - 2, kButtonTop);
    Button2->move(half + 2, kButtonTop);
    Button3->move(Button2->x() + Button2->width() + 4, kButtonTop);
}

// Escape pressed anywhere in the window (the browser passes it on) closes it.
void TWebDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void TWebDlg::Button1Click(QPushButton* sender)
{
    if (sender == Button1)
        CppWebBrowser1->GoBack();
    else if (sender == Button2)
        CppWebBrowser1->GoForward();
    else
        CppWebBrowser1->Navigate(StartUrl_);
}
