#pragma once
// The rows under a question's "詳細" button: a table of the rows with their column
// captions, the line below them under it, made when first shown.

#include "desktop/Dialogs.h"

#include <QWidget>

class QLabel;
class QTreeWidget;

class DetailRowsView : public QWidget
{
    Q_OBJECT

public:
    DetailRowsView(QuestionDetails details, QWidget* parent);

    // The caption of the button that shows and hides the rows.
    static QString buttonCaption();

    QTreeWidget* table() const { return table_; }
    QLabel* below() const { return below_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill();

    QuestionDetails details_;
    QTreeWidget* table_;
    QLabel* below_;
    bool filled_ = false;
};
