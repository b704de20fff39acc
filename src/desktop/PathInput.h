#pragma once
// One path input of pages 0 and 1: an edit field laid over the text area of a
// list-only history drop-down, and its browse button. The drop-down draws its entries
// with their icons; choosing one copies it into the edit field, which holds the path
// a run uses. Clicking into the edit field or moving the mouse over it shows its text
// in status panel 0. The drop-down shows history `historyNumber` (1 .. 4) of the
// shared histories (PathServices::histories), following its changes.
//
//   PathInput* a = new PathInput(*Panel, services,
//       {.edit = "Edit1", .comboBox = "ComboBox1", .button = "SpeedButton1",
//        .historyNumber = 1, .editName = "パス A", .comboBoxName = "履歴 A",
//        .hint = "...", .buttonCaption = "A", .buttonHint = "参照"});
//   a->place(4, 40);             // button at x = 4, drop-down right of it
//   connect(a->Button, &QToolButton::clicked, ...);   // the page's browse action
//   a->AddToHistory(a->path());  // after a successful run

#include "desktop/PageServices.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <string>

class QComboBox;
class QLineEdit;
class QToolButton;
class QWidget;

struct PathInputNames
{
    QString edit;     // objectName of the edit field, e.g. "Edit1"
    QString comboBox; // e.g. "ComboBox1"
    QString button;   // e.g. "SpeedButton1"
    int historyNumber = 1;
    QString editName;     // accessible name, e.g. "パス A"
    QString comboBoxName; // accessible name, e.g. "履歴 A"
    QString hint;         // hint of the drop-down
    QString buttonCaption;
    QString buttonHint;
    int buttonGlyph = 7; // image of ImageList1 on the button
};

class PathInput : public QObject
{
    Q_OBJECT

public:
    static constexpr int ButtonWidth = 40;
    static constexpr int Height = 22;

    PathInput(QWidget& parent, const PageServices& services, const PathInputNames& names);

    QLineEdit* Edit;
    QComboBox* ComboBox;
    QToolButton* Button;

    // Button at (left, top), the drop-down right of it; widths follow the window.
    void place(int left, int top);
    // FormResize: the drop-down reaches to 20 pixels from the window's right edge,
    // the edit field leaves its drop-down button free.
    void FormResize(int windowWidth);

    QString text() const;
    void setText(const QString& text);
    // The edit field's text as the bytes of a path.
    std::string path() const;

    // Appends the path to the history unless an entry equals it without regard to case.
    void AddToHistory(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ComboBox1Change(int index);
    void showHistory();

    PageServices services_;
    const int historyNumber_;
};
