#pragma once
// A main window whose result lists all hold rows of a real run: a comparison with
// contents (rows of every relation and a missing side), a duplicate search, an
// empty-item search whose items were then deleted into the program's trash, and the
// help window opened. The file names are ASCII, so that any Japanese text in the
// window is the program's own.

#include "controls/TSwitchButton.h"
#include "desktop/Dialogs.h"
#include "desktop/PageIndex.h"
#include "support/FormFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

class FilledWindow : public FormFixture
{
protected:
    void fill()
    {
        tree.file("A/same.txt", "same", "2024-05-06 10:00:00");
        tree.file("B/same.txt", "same", "2024-05-06 10:00:00");
        tree.file("A/grown.txt", "longer text", "2024-05-07 10:00:00");
        tree.file("B/grown.txt", "short", "2024-05-06 10:00:00");
        tree.file("A/only-a.txt", "a");
        tree.file("B/sub/only-b.txt", "b");
        tree.file("D/x.txt", "duplicate");
        tree.file("D/y.txt", "duplicate");
        tree.file("E/empty.txt");
        tree.dir("E/folder");

        form = makeForm();
        form->resize(form->sizeHint());
        form->show();
        showPage(Page::Compare);
        type("Edit1", tree.path("A"));
        type("Edit2", tree.path("B"));
        form->findChild<QAbstractButton*>(QStringLiteral("CheckBox3"))->setChecked(true);
        click("SwitchButton1");

        showPage(Page::Duplicates);
        type("Edit4", tree.path("D"));
        click("SwitchButton8");

        showPage(Page::EmptyItems);
        dialogs.scriptFolder(QString::fromStdString(tree.path("E")));
        click("SwitchButton5");
        auto* emptyList = form->findChild<QAbstractItemView*>(QStringLiteral("ListView1"));
        emptyList->selectAll();
        dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes, /*checkBoxChecked=*/true);
        click("SwitchButton6");
        // The search again, so that the page's list shows rows beside the trash's.
        tree.file("E/again.txt");
        dialogs.scriptFolder(QString::fromStdString(tree.path("E")));
        click("SwitchButton5");

        showPage(Page::Trash);
        click("GomiOpenSwBtn");
        for (const char* list : {"ListView2", "ListView4", "ListView1", "ListView3"})
            ASSERT_GT(form->findChild<QAbstractItemView*>(QLatin1String(list))->model()->rowCount(),
                      0)
                << list;

        form->findChild<QToolButton*>(QStringLiteral("SpeedButton5"))->click();
        QApplication::processEvents();
    }

    void showPage(Page page)
    {
        form->PageControl1->setCurrentIndex(PageIndex(page));
        QApplication::processEvents();
    }

    void type(const char* edit, const std::string& text)
    {
        form->findChild<QLineEdit*>(QLatin1String(edit))->setText(QString::fromStdString(text));
    }

    void click(const char* button)
    {
        auto* target = form->findChild<TSwitchButton*>(QLatin1String(button));
        ASSERT_NE(target, nullptr) << button;
        const QPoint centre = target->rect().center();
        QTest::mousePress(target, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(target, Qt::LeftButton, {}, centre);
    }

    std::unique_ptr<TForm1> form;
};
