// In the English interface no text of the window, its pages, lists, menus, dialogs
// and help window is Japanese, the language's own name in the language choice aside.

#include "FilledWindow.h"
#include "VisibleTexts.h"
#include "app/InterfaceTranslations.h"
#include "desktop/OpenWithDialog.h"
#include "desktop/TFolderFileDlg.h"
#include "desktop/TYesAllNoCancelBox.h"

#include <QDialog>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using quorvex::app::InterfaceLanguage;

bool HasJapanese(const QString& text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(japanese);
}

class EnglishInterfaceTest : public FilledWindow
{
protected:
    // The texts of the modal dialog `show` opens, taken while it is open.
    static std::vector<VisibleText> textsWhileOpen(const std::function<void()>& show)
    {
        std::vector<VisibleText> texts;
        QTimer::singleShot(0, [&texts] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            texts = VisibleTexts(*modal);
            modal->close();
        });
        show();
        return texts;
    }

    void add(const std::vector<VisibleText>& texts)
    {
        for (const VisibleText& shown : texts)
            if (HasJapanese(shown.text) && shown.where != "LanguageChoices item")
                japanese << QString::fromStdString(shown.where) + QStringLiteral(": ") + shown.text;
    }

    QStringList japanese;
};

TEST_F(EnglishInterfaceTest, NoTextOfTheProgramIsJapanese)
{
    const InterfaceTranslations english(InterfaceLanguage::English, QUORVEX_BINARY_DIR "/");
    fill();
    // The properties of a listed file open beside the window.
    showPage(Page::Duplicates);
    auto* list = form->findChild<QAbstractItemView*>(QStringLiteral("ListView4"));
    list->selectionModel()->select(list->model()->index(0, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->findChild<QAction*>(QStringLiteral("MenuItem3"))->trigger();
    ASSERT_NE(form->findChild<QDialog*>(QStringLiteral("ItemPropertiesDialog")), nullptr);
    // A refused comparison and a search that finds nothing speak through messages.
    showPage(Page::Compare);
    type("Edit1", tree.path("no such folder"));
    click("SwitchButton1");
    showPage(Page::Duplicates);
    type("Edit4", tree.path("E"));
    click("SwitchButton8");

    for (int page = 0; page < form->PageControl1->count(); ++page) {
        form->PageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        add(VisibleTexts(*form));
    }
    for (const ScriptedDialogs::Call& call : dialogs.calls())
        add({{"dialog title", call.title}, {"dialog text", call.text}});
    TYesAllNoCancelBox box(dialogs);
    box.applyStandardConfiguration(nullptr);
    add(textsWhileOpen([&] { box.runDialog(form.get()); }));
    TFolderFileDlg chooser(QString(), dialogs, form.get());
    add(textsWhileOpen([&] { chooser.exec(); }));
    click("SwitchButton2"); // the version message
    OpenWithDialog openWith(form.get(), QStringLiteral("/x.txt"), {QStringLiteral("Editor")}, 1);
    add(textsWhileOpen([&] { openWith.exec(); }));

    japanese.removeDuplicates();
    EXPECT_EQ(japanese, QStringList());
}

} // namespace
