#pragma once
// The program's real dialogs: Qt message boxes, file and colour dialogs, and the
// Yes/All/No/Cancel confirmation form.

#include "desktop/Dialogs.h"

class QtDialogs : public Dialogs
{
public:
    // `appTitle` captions the warning boxes and the plain messages.
    explicit QtDialogs(QString appTitle);

    void showMessage(QWidget* owner, const QString& text) override;
    void showWarning(QWidget* owner, const QString& text) override;
    bool askYesNo(QWidget* owner, const QString& title, const QString& text) override;
    bool askYesNoWithDetails(QWidget* owner, const QString& title, const QString& text,
                             const QuestionDetails& details) override;
    ConfirmAnswer executeYesAllNoCancel(QWidget* owner, TYesAllNoCancelBox& box) override;
    QString chooseFolder(QWidget* owner, const QString& title,
                         const QString& initialFolder) override;
    QString chooseFile(QWidget* owner, const QString& title, const QString& initialPath,
                       const QString& filter) override;
    QString chooseSaveFile(QWidget* owner, const QString& title, const QString& initialPath,
                           const QString& filter) override;
    std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial) override;
    int chooseApplication(QWidget* owner, const QString& itemPath, const QStringList& applications,
                          int declaringCount) override;

private:
    QString appTitle_;
};

// A file dialog filter in Qt's form ("全てのファイル (*)") from either that form or the
// "description|pattern|description|pattern" form; "*.*" becomes "*", so that names
// without a dot are listed too.
QString QtFileDialogFilter(const QString& filter);
