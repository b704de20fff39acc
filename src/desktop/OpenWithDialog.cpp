#include "desktop/OpenWithDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kIndexRole = Qt::UserRole;

void addHeading(QListWidget& list, const QString& text)
{
    auto* heading = new QListWidgetItem(text, &list);
    heading->setFlags(Qt::NoItemFlags);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
}

} // namespace

OpenWithDialog::OpenWithDialog(QWidget* owner, const QString& itemPath,
                               const QStringList& applications, int declaringCount)
    : QDialog(owner), list_(new QListWidget(this))
{
    setObjectName(QStringLiteral("OpenWithDialog"));
    setWindowTitle(tr("プログラムから開く"));
    auto* prompt =
        new QLabel(tr("このファイルを開くプログラムを選んでください。\n") + itemPath, this);
    prompt->setTextFormat(Qt::PlainText);
    prompt->setWordWrap(true);

    for (int index = 0; index < applications.size(); ++index) {
        if (index == 0 && declaringCount > 0)
            addHeading(*list_, tr("推奨されるプログラム"));
        if (index == declaringCount)
            addHeading(*list_, tr("その他のプログラム"));
        auto* item = new QListWidgetItem(applications[index], list_);
        item->setData(kIndexRole, index);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(list_, &QListWidget::currentItemChanged, this,
            [this, ok] { ok->setEnabled(chosenIndex() >= 0); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (chosenIndex() >= 0)
            accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(420, 420);
}

int OpenWithDialog::chosenIndex() const
{
    const QListWidgetItem* item = list_->currentItem();
    return item && item->data(kIndexRole).isValid() ? item->data(kIndexRole).toInt() : -1;
}
