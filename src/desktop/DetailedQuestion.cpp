#include "desktop/DetailedQuestion.h"

#include "desktop/DetailRowsView.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

DetailedQuestion::DetailedQuestion(QWidget* owner, const QString& title, const QString& text,
                                   QuestionDetails details)
    : QDialog(owner), rows_(new DetailRowsView(std::move(details), this))
{
    setObjectName(QStringLiteral("DetailedQuestion"));
    setWindowTitle(title);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this)
                        .pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* question = new QLabel(text, this);
    question->setObjectName(QStringLiteral("Question"));
    question->setTextFormat(Qt::PlainText);
    question->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
    // An action button: it shows the rows and leaves the question open.
    detailsButton_ =
        buttons->addButton(DetailRowsView::buttonCaption(), QDialogButtonBox::ActionRole);
    detailsButton_->setObjectName(QStringLiteral("DetailsBtn"));
    detailsButton_->setCheckable(true);
    buttons->button(QDialogButtonBox::Yes)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(detailsButton_, &QPushButton::toggled, this, &DetailedQuestion::toggleRows);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(question, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->addWidget(rows_);
    rows_->hide();
    buttons->button(QDialogButtonBox::Yes)->setFocus();
}

void DetailedQuestion::toggleRows()
{
    rows_->setVisible(detailsButton_->isChecked());
}
