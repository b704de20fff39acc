#pragma once
// The choice of the interface language on the options page: "自動" (the user's
// languages decide), "日本語" or "English". It is stored at once and applies from
// the next start, which the note beside it says.

#include <QObject>
#include <QPoint>

class QComboBox;
class QLabel;
class QWidget;
class Dialogs;

class LanguageOption : public QObject
{
    Q_OBJECT

public:
    // Places the caption at `at` on `sheet`, the list and the note below it, showing
    // the stored choice of the settings key of `appTitle`.
    LanguageOption(QWidget& sheet, QPoint at, const QString& appTitle, Dialogs& dialogs);

    QLabel* caption;
    QComboBox* choices;
    QLabel* note;

private:
    void store(int index);

    QString appTitle_;
    Dialogs& dialogs_;
};
