#include "app/LanguageOption.h"

#include "app/InterfaceLanguage.h"
#include "desktop/Dialogs.h"
#include "platform/FailureReason.h"
#include "platform/desktop/ShownText.h"

#include <QComboBox>
#include <QLabel>

using quorvex::app::LanguageChoice;

LanguageOption::LanguageOption(QWidget& sheet, QPoint at, const QString& appTitle, Dialogs& dialogs)
    : QObject(&sheet), appTitle_(appTitle), dialogs_(dialogs)
{
    caption = new QLabel(tr("表示言語"), &sheet);
    caption->setObjectName(QStringLiteral("LanguageCaption"));
    caption->move(at);
    caption->adjustSize();

    choices = new QComboBox(&sheet);
    choices->setObjectName(QStringLiteral("LanguageChoices"));
    // In the order of LanguageChoice; a language's own name is the same in every
    // interface language.
    choices->addItems({tr("自動"), QStringLiteral("日本語"), QStringLiteral("English")});
    choices->setAccessibleName(caption->text());
    caption->setBuddy(choices);
    choices->move(at + QPoint(16, 22));
    choices->adjustSize();
    choices->setCurrentIndex(
        static_cast<int>(quorvex::app::ReadLanguageChoice(TextBytes(appTitle))));

    note = new QLabel(tr("表示言語の変更は、次回の起動から適用されます。"), &sheet);
    note->setObjectName(QStringLiteral("LanguageNote"));
    note->move(choices->geometry().topRight() + QPoint(12, 4));
    note->adjustSize();

    connect(choices, &QComboBox::activated, this, &LanguageOption::store);
}

void LanguageOption::store(int index)
{
    if (!quorvex::app::WriteLanguageChoice(TextBytes(appTitle_),
                                           static_cast<LanguageChoice>(index)))
        dialogs_.showMessage(choices->window(),
                             tr("表示言語の設定を保存できませんでした。") + QStringLiteral("\n\n") +
                                 ShownText(quorvex::platform::LastFailureText()));
}
