#pragma once
// Page 5 "検索履歴の編集": editing of the path histories of pages 0 and 1. One of two
// page buttons chooses the pair of histories (1 and 2 of ComboBox1/ComboBox2, or 3
// and 4 of ComboBox3/ComboBox4), whose entries are copied into ListBox1 and ListBox2;
// the entries are moved, deleted and sorted there and reach the histories (and the
// drop-downs that show them) only through "適用". Leaving the page, or choosing the other pair,
// discards unapplied edits. The height of ListBox1 (the splitter position) is the setting "height".

#include "desktop/PageServices.h"

#include <QWidget>

class QListWidget;
class QPushButton;
class QSplitter;
class QToolButton;

class HistoryPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DefaultListBox1Height = 233;
    static constexpr int MinListHeight = 60;

    HistoryPage(QWidget& sheet, const PageServices& services);

    QToolButton* SpeedButton9;  // histories of page 0
    QToolButton* SpeedButton10; // histories of page 1
    QToolButton* SpeedButton11; // "適用"
    QSplitter* Splitter1;
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QToolButton* SpeedButton12; // ListBox1 "▲"
    QToolButton* SpeedButton13; // ListBox1 "▼"
    QPushButton* Button1;       // ListBox1 "削除"
    QPushButton* Button3;       // ListBox1 "ソート"
    QToolButton* SpeedButton14; // ListBox2 "▲"
    QToolButton* SpeedButton15; // ListBox2 "▼"
    QPushButton* Button2;       // ListBox2 "削除"
    QPushButton* Button4;       // ListBox2 "ソート"

    // Handlers shared by a family of buttons, told apart by the sender.
    void SpeedButton9Click(QToolButton* sender);
    void SpeedButton11Click();
    void Button1Click(QPushButton* sender);
    void Button3Click(QPushButton* sender);
    void SpeedButton12Click(QToolButton* sender);
    void SpeedButton14Click(QToolButton* sender);
    void Splitter1Moved();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildPageButtons();
    QListWidget* buildListBox(const char* name, const QString& accessibleName);
    void buildListButtons();
    void placeListBoxes();
    void placePageButtons();
    void PageControl1Change(int page);
    void updateDeleteButton(const QListWidget& list);
    void moveSelected(QListWidget& list, int step);

    PageServices services_;
    // The height chosen for ListBox1 by the setting or the splitter.
    int listBox1Height_ = DefaultListBox1Height;
};
