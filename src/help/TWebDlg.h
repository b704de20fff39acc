#pragma once
// The help window: the help document in a browser control under a top bar with
// back, forward and return-to-start buttons. Each window is independent, stays on
// top, and is deleted when it is closed (with Escape too; at the latest with its
// owner).

#include <QUrl>
#include <QWidget>

class QFrame;
class QPushButton;
class HelpBrowser;

class TWebDlg : public QWidget
{
    Q_OBJECT

public:
    static constexpr int InitialWidth = 723;
    static constexpr int InitialHeight = 531;
    static constexpr int TopBarHeight = 26;

    // `address` is the start address (StartUrl); `owner` the window that owns this
    // one. The creator sets icon and caption and shows the window.
    TWebDlg(const QUrl& address, QWidget* owner);

    const QUrl& StartUrl() const { return StartUrl_; }

    QFrame* Panel1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    HelpBrowser* CppWebBrowser1;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void FormResize();
    void Button1Click(QPushButton* sender);
    void centreOnScreen();

    QUrl StartUrl_;
};
