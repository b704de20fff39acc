#pragma once
// A yes/no question with a "詳細" button that shows, below the question, the rows its
// details make (Dialogs::askYesNoWithDetails). Yes closes it accepted, No and Escape
// rejected.

#include "desktop/Dialogs.h"

#include <QDialog>

class DetailRowsView;
class QPushButton;

class DetailedQuestion : public QDialog
{
    Q_OBJECT

public:
    DetailedQuestion(QWidget* owner, const QString& title, const QString& text,
                     QuestionDetails details);

    QPushButton* detailsButton() const { return detailsButton_; }
    DetailRowsView* rows() const { return rows_; }

private:
    void toggleRows();

    QPushButton* detailsButton_;
    DetailRowsView* rows_;
};
