#include "desktop/DetailRowsView.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

DetailRowsView::DetailRowsView(QuestionDetails details, QWidget* parent)
    : QWidget(parent), details_(std::move(details)), table_(new QTreeWidget(this)),
      below_(new QLabel(this))
{
    setObjectName(QStringLiteral("DetailRows"));
    table_->setObjectName(QStringLiteral("DetailTable"));
    table_->setRootIsDecorated(false);
    table_->setUniformRowHeights(true);
    table_->setAlternatingRowColors(true);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setMinimumSize(560, 180);
    below_->setTextFormat(Qt::PlainText);
    below_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    layout->addWidget(below_);
}

QString DetailRowsView::buttonCaption()
{
    return tr("詳細");
}

void DetailRowsView::showEvent(QShowEvent* event)
{
    if (!filled_)
        fill();
    QWidget::showEvent(event);
}

void DetailRowsView::fill()
{
    filled_ = true;
    const DetailRows rows = details_();
    table_->setHeaderLabels(rows.columns);
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.rows.size());
    for (const QStringList& cells : rows.rows)
        items.append(new QTreeWidgetItem(cells));
    table_->addTopLevelItems(items);
    for (int column = 0; column < rows.columns.size(); ++column)
        table_->resizeColumnToContents(column);
    below_->setText(rows.below);
}
