#include "app/CacheOption.h"

#include "app/SettingsStore.h"
#include "desktop/Dialogs.h"
#include "desktop/ScanCacheService.h"
#include "duplicates/SizeText.h"
#include "platform/FailureReason.h"
#include "platform/desktop/ShownText.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

CacheOption::CacheOption(QWidget& sheet, QPoint at, const QString& appTitle,
                         ScanCacheService& cache, Dialogs& dialogs)
    : QObject(&sheet), appTitle_(appTitle), cache_(cache), dialogs_(dialogs)
{
    use = new QCheckBox(tr("キャッシュを使う"), &sheet);
    use->setObjectName(QStringLiteral("CacheUse"));
    use->move(at);
    use->adjustSize();
    use->setChecked(cache.enabled());

    clear = new QPushButton(tr("キャッシュを空にする"), &sheet);
    clear->setObjectName(QStringLiteral("CacheClear"));
    clear->move(at + QPoint(16, 24));
    clear->adjustSize();

    size = new QLabel(&sheet);
    size->setObjectName(QStringLiteral("CacheSize"));
    size->move(clear->geometry().topRight() + QPoint(12, 5));
    refreshSize();

    connect(use, &QCheckBox::toggled, this, &CacheOption::store);
    connect(clear, &QPushButton::clicked, this, &CacheOption::empty);
    // The size is read again whenever the page comes into view: searches fill it.
    sheet.installEventFilter(this);
}

bool CacheOption::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show)
        refreshSize();
    return QObject::eventFilter(watched, event);
}

void CacheOption::refreshSize()
{
    size->setText(tr("使用量: %1").arg(ShownText(quorvex::FormatSizeShort(cache_.bytesOnDisk()))));
    size->adjustSize();
}

void CacheOption::store(bool checked)
{
    cache_.setEnabled(checked);
    if (!quorvex::app::WriteCacheUse(TextBytes(appTitle_), checked))
        dialogs_.showMessage(use->window(), tr("キャッシュの設定を保存できませんでした。") +
                                                QStringLiteral("\n\n") +
                                                ShownText(quorvex::platform::LastFailureText()));
}

void CacheOption::empty()
{
    std::string problem;
    if (!cache_.clear(problem))
        dialogs_.showMessage(clear->window(), tr("キャッシュを空にできませんでした。") +
                                                  QStringLiteral("\n\n") + ShownText(problem));
    refreshSize();
}
