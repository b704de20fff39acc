#pragma once
// Every modal message, question and chooser of the desktop program goes through
// this interface, so that tests answer them with a scripted implementation and no
// test ever blocks on a modal window.
//
// QtDialogs (the real one) and ScriptedDialogs (tests) implement it.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
class TYesAllNoCancelBox;

// The answers of the Yes/All/No/Cancel confirmation; Failed when it could not be shown.
enum class ConfirmAnswer
{
    Failed = 0,
    Cancel = 2,
    Yes = 6,
    No = 7,
};

// What a question shows under its "詳細" button: column captions, the rows' cells,
// and a line below them (a total).
struct DetailRows
{
    QStringList columns;
    QList<QStringList> rows;
    QString below;
};
// Made only when the rows are first asked for: they may cost a look at every item.
using QuestionDetails = std::function<DetailRows()>;

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Simple modal message with an OK button (notices and failures).
    virtual void showMessage(QWidget* owner, const QString& text) = 0;
    // Message box with the warning icon, captioned with the application title
    // (refusals of a run).
    virtual void showWarning(QWidget* owner, const QString& text) = 0;
    // A yes/no question; true for yes.
    virtual bool askYesNo(QWidget* owner, const QString& title, const QString& text) = 0;
    // The same question with a "詳細" button that shows the rows `details` makes.
    virtual bool askYesNoWithDetails(QWidget* owner, const QString& title, const QString& text,
                                     const QuestionDetails& details) = 0;
    // The Yes/All/No/Cancel confirmation: shows `box` (its Title, Msg, captions,
    // picture, check box), stores the check box state in box.CheckBoxChecked and
    // returns the answer.
    virtual ConfirmAnswer executeYesAllNoCancel(QWidget* owner, TYesAllNoCancelBox& box) = 0;
    // The choosers return paths with the system's separators.
    // Folder chooser opened at `initialFolder`; empty when cancelled.
    virtual QString chooseFolder(QWidget* owner, const QString& title,
                                 const QString& initialFolder) = 0;
    // Open-file dialog opened at `initialPath`; empty when cancelled.
    virtual QString chooseFile(QWidget* owner, const QString& title, const QString& initialPath,
                               const QString& filter) = 0;
    // Save-file dialog opened at `initialPath`, which asks before replacing a file;
    // empty when cancelled.
    virtual QString chooseSaveFile(QWidget* owner, const QString& title, const QString& initialPath,
                                   const QString& filter) = 0;
    // Colour dialog; nullopt when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial) = 0;
    // The program chooser of "open with" for the item `itemPath`: the names of the
    // applications, of which the first `declaringCount` declare the item's type. The
    // index of the chosen one, or -1 when cancelled.
    virtual int chooseApplication(QWidget* owner, const QString& itemPath,
                                  const QStringList& applications, int declaringCount) = 0;
};
