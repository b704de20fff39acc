#pragma once
// The program chooser of "open with": the applications that declare the item's type
// under one heading, every other one under a second, and OK / Cancel.

#include <QDialog>

class QListWidget;

class OpenWithDialog : public QDialog
{
    Q_OBJECT

public:
    OpenWithDialog(QWidget* owner, const QString& itemPath, const QStringList& applications,
                   int declaringCount);

    // The index into `applications` of the selected one, or -1.
    int chosenIndex() const;

    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
};
