#pragma once
// The scan cache on the options page: "キャッシュを使う" (stored at once, for this and
// later runs) and a button that empties it, beside the size it takes on disk.

#include <QObject>
#include <QPoint>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;
class Dialogs;
class ScanCacheService;

class CacheOption : public QObject
{
    Q_OBJECT

public:
    CacheOption(QWidget& sheet, QPoint at, const QString& appTitle, ScanCacheService& cache,
                Dialogs& dialogs);

    QCheckBox* use;
    QPushButton* clear;
    QLabel* size;

    // Shows the size the cache takes now.
    void refreshSize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void store(bool checked);
    void empty();

    QString appTitle_;
    ScanCacheService& cache_;
    Dialogs& dialogs_;
};
