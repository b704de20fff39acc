#include "desktop/QtDialogs.h"

#include "desktop/DetailedQuestion.h"
#include "desktop/OpenWithDialog.h"
#include "desktop/TYesAllNoCancelBox.h"

#include <QColorDialog>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>

#include <algorithm>

QtDialogs::QtDialogs(QString appTitle) : appTitle_(std::move(appTitle)) {}

void QtDialogs::showMessage(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, appTitle_, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtDialogs::showWarning(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, appTitle_, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtDialogs::askYesNo(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::askYesNoWithDetails(QWidget* owner, const QString& title, const QString& text,
                                    const QuestionDetails& details)
{
    DetailedQuestion question(owner, title, text, details);
    return question.exec() == QDialog::Accepted;
}

ConfirmAnswer QtDialogs::executeYesAllNoCancel(QWidget* owner, TYesAllNoCancelBox& box)
{
    return box.runDialog(owner);
}

namespace {

// Moves a dialog, as it is shown, so that it is centred horizontally on its screen and
// its middle lies 64 pixels above the screen's middle, keeping its size; its title
// bar stays on the screen.
class AboveScreenCentre : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            auto* dialog = static_cast<QWidget*>(watched);
            const QRect screen = dialog->screen()->geometry();
            const QSize size = dialog->frameGeometry().size();
            const int left = screen.left() + screen.width() / 2 - size.width() / 2;
            const int top = screen.top() + screen.height() / 2 - size.height() / 2 - 64;
            dialog->move(left, std::max(top, screen.top()));
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QString QtDialogs::chooseFolder(QWidget* owner, const QString& title, const QString& initialFolder)
{
    QFileDialog dialog(owner, title, initialFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    AboveScreenCentre place(&dialog);
    dialog.installEventFilter(&place);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QString QtDialogs::chooseFile(QWidget* owner, const QString& title, const QString& initialPath,
                              const QString& filter)
{
    return QDir::toNativeSeparators(
        QFileDialog::getOpenFileName(owner, title, initialPath, QtFileDialogFilter(filter)));
}

QString QtDialogs::chooseSaveFile(QWidget* owner, const QString& title, const QString& initialPath,
                                  const QString& filter)
{
    return QDir::toNativeSeparators(
        QFileDialog::getSaveFileName(owner, title, initialPath, QtFileDialogFilter(filter)));
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* owner, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, owner);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

int QtDialogs::chooseApplication(QWidget* owner, const QString& itemPath,
                                 const QStringList& applications, int declaringCount)
{
    OpenWithDialog dialog(owner, itemPath, applications, declaringCount);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenIndex() : -1;
}

QString QtFileDialogFilter(const QString& filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QStringList qtPatterns;
        for (const QString& pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            qtPatterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        filters << parts[i] + QStringLiteral(" (") + qtPatterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}
