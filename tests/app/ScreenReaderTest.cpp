// The main window as a screen reader sees it: a frame named by its title, the names
// of the controls without a caption (also while the drop-downs show an entry), the
// counts and both status panels as texts, and every switch button named by its
// caption.
#include "app/OptionsPage.h"
#include "controls/TSwitchButton.h"
#include "support/FormFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>

namespace {

class ScreenReaderTest : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        form = makeForm();
        form->show();
    }

    QAccessibleInterface& described(const char* objectName)
    {
        QObject* object = form->findChild<QObject*>(QString::fromLatin1(objectName));
        return *QAccessible::queryAccessibleInterface(object);
    }

    static QString textOf(QAccessibleInterface& accessible)
    {
        QAccessibleTextInterface* text = accessible.textInterface();
        return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
    }

    std::unique_ptr<TForm1> form;
};

TEST_F(ScreenReaderTest, ControlsCarryTheirNamesWhateverTheyShow)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Quorvex");

    for (int n = 1; n <= 4; ++n) {
        auto* box = form->findChild<QComboBox*>(QStringLiteral("ComboBox") + QString::number(n));
        box->addItem(QStringLiteral("/tmp/entry"));
        box->setCurrentIndex(0);
    }
    const struct
    {
        const char* object;
        const char* name;
        QAccessible::Role role;
    } controls[] = {
        {"Edit1", "パス A", QAccessible::EditableText},
        {"Edit2", "パス B", QAccessible::EditableText},
        {"Edit3", "検索するファイル", QAccessible::EditableText},
        {"Edit4", "調べるフォルダ", QAccessible::EditableText},
        {"ComboBox1", "履歴 A", QAccessible::ComboBox},
        {"ComboBox2", "履歴 B", QAccessible::ComboBox},
        {"ComboBox3", "履歴 ファイル", QAccessible::ComboBox},
        {"ComboBox4", "履歴 フォルダ", QAccessible::ComboBox},
        {"ListView2", "比較結果", QAccessible::Tree},
        {"ListView4", "検索結果", QAccessible::Tree},
        {"ListView1", "空の項目", QAccessible::Tree},
        {"ListView3", "ごみ箱の項目", QAccessible::Tree},
        {"ListBox1", "履歴 上", QAccessible::List},
        {"ListBox2", "履歴 下", QAccessible::List},
        {"ColorProgressBar1", "全体の進行", QAccessible::ProgressBar},
        {"ProgressBar1", "ファイルの進行", QAccessible::ProgressBar},
        {"Panel10", "個数", QAccessible::StaticText},
        {"Panel11", "個数", QAccessible::StaticText},
    };
    for (const auto& control : controls) {
        QAccessibleInterface& accessible = described(control.object);
        EXPECT_EQ(accessible.text(QAccessible::Name), QString::fromUtf8(control.name))
            << control.object;
        EXPECT_EQ(accessible.role(), control.role) << control.object;
    }
    EXPECT_EQ(described("ComboBox1").text(QAccessible::Value), "/tmp/entry");
}

TEST_F(ScreenReaderTest, TheCountsAndBothStatusPanelsAreReadAsTexts)
{
    tree.file("t/a.txt");
    tree.file("t/b.txt");
    form->PageControl1->setCurrentIndex(2);
    dialogs.scriptFolder(QString::fromStdString(tree.path("t")));
    form->findChild<TSwitchButton*>("SwitchButton5")->click();
    EXPECT_EQ(textOf(described("Panel10")), "2 個");
    form->PageControl1->setCurrentIndex(3);
    form->findChild<TSwitchButton*>("GomiOpenSwBtn")->click();
    EXPECT_EQ(textOf(described("Panel11")), "0 個");

    form->findChild<OptionsPage*>()->HidenOkChkBox->setChecked(true);
    const QString path = QDir::toNativeSeparators(QDir::rootPath() + QStringLiteral("tmp/a.txt"));
    form->setStatusText(0, path);
    QAccessibleInterface& bar = described("StatusBar1");
    EXPECT_EQ(bar.role(), QAccessible::StatusBar);
    EXPECT_EQ(bar.text(QAccessible::Name), path);
    ASSERT_EQ(bar.childCount(), 2);
    EXPECT_EQ(textOf(*bar.child(0)), path);
    EXPECT_EQ(bar.child(1)->text(QAccessible::Name), "隠し属性");
    // The text of a path starts right of its icon, and so do the characters' places.
    const QRect first = bar.child(0)->textInterface()->characterRect(0);
    EXPECT_EQ(first.left() - bar.child(0)->rect().left(), 20);
}

TEST_F(ScreenReaderTest, EverySwitchButtonIsNamedByItsCaption)
{
    const struct
    {
        const char* object;
        const char* name;
        bool checkable; // a toggle that stays down
    } buttons[] = {
        {"SwitchButton2", "Version", false},     {"SwitchButton3", "終了", false},
        {"SwitchButton1", "開始", false},        {"CancelBtn", "Cancel", true},
        {"SwitchButton8", "開始", false},        {"SwitchButton6", "削除", false},
        {"SwitchButton5", "設定／開始", true},   {"ModosuSwBtn", "元に戻す", false},
        {"DelSwBtn", "ごみ箱から削除", false},   {"AllSelectBtn", "全て選択", false},
        {"GomiOpenSwBtn", "ごみ箱を開く", true},
    };
    EXPECT_EQ(form->findChildren<TSwitchButton*>().size(), std::size(buttons));
    for (const auto& expected : buttons) {
        ASSERT_NE(form->findChild<TSwitchButton*>(expected.object), nullptr) << expected.object;
        QAccessibleInterface& accessible = described(expected.object);
        EXPECT_EQ(accessible.text(QAccessible::Name), QString::fromUtf8(expected.name))
            << expected.object;
        EXPECT_EQ(accessible.state().checkable, expected.checkable) << expected.object;
    }
}

} // namespace
