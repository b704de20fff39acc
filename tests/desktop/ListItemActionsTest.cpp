// The row actions shared by the result lists, on a plain list of paths: copying in
// row order, select-all with its flag, the usual enabling, and opening an item whose
// type has no application.
#include "desktop/ListItemActions.h"

#include "platform/desktop/SysImageList.h"
#include "support/ScopedDesktop.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QStandardItemModel>
#include <QTableView>
#include <QUrl>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Kind = ScriptedDialogs::Kind;
using quorvex::test::ScopedDesktop;

class ListItemActionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view.setModel(&model);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    }

    // One row per path; an empty text is a row without an item.
    void setRows(const QStringList& paths)
    {
        model.clear();
        for (const QString& path : paths)
            model.appendRow(new QStandardItem(path));
    }
    void select(std::initializer_list<int> rows)
    {
        for (int row : rows)
            view.selectionModel()->select(model.index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    std::string pathOf(int row) const { return model.item(row)->text().toStdString(); }
    QStringList filesOnClipboard() const
    {
        QStringList files;
        for (const QUrl& url : QGuiApplication::clipboard()->mimeData()->urls())
            files << url.toLocalFile();
        return files;
    }

    quorvex::test::TempTree tree;
    ScopedDesktop desktop{tree.dir("desk")};
    ScriptedDialogs dialogs;
    SysImageList images;
    QWidget owner;
    QStandardItemModel model;
    QTableView view;
    ListItemActions actions{
        view,
        {owner, dialogs, images},
        [this](int row) { return pathOf(row); },
        {"Menu", "Open", "S1", "All", "Copy", "Delete", "S2", "Props", "Save", "Load"}};
};

TEST_F(ListItemActionsTest, CopyPutsTheSelectedItemsInRowOrder)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    setRows({"/d/one", QString(), "/d/two", "/d/three"});
    actions.CopySelectedToClipboard();
    EXPECT_EQ(clipboard->text(), QStringLiteral("before"));
    select({1});
    actions.CopySelectedToClipboard();
    EXPECT_EQ(clipboard->text(), QStringLiteral("before"));

    select({3, 0});
    actions.Copy->trigger();
    EXPECT_EQ(filesOnClipboard(), (QStringList{"/d/one", "/d/three"}));
}

TEST_F(ListItemActionsTest, SelectAllSelectsEveryRowWithTheFlagSetMeanwhile)
{
    setRows({});
    actions.enableItems(false, true);
    EXPECT_FALSE(actions.SelectAll->isEnabled());
    EXPECT_FALSE(actions.Copy->isEnabled());
    actions.SelectAll->trigger();
    EXPECT_TRUE(view.selectionModel()->selectedRows().isEmpty());

    setRows({"/a", "/b", "/c"});
    int flaggedChanges = 0;
    QObject::connect(view.selectionModel(), &QItemSelectionModel::selectionChanged,
                     [&] { flaggedChanges += actions.SelectingAll() ? 1 : 0; });
    actions.enableItems(true, true);
    EXPECT_TRUE(actions.SelectAll->isEnabled());
    for (QAction* item : {actions.OpenFolder, actions.Copy, actions.Delete, actions.Properties})
        EXPECT_TRUE(item->isEnabled());
    actions.SelectAll->trigger();
    EXPECT_EQ(SelectedRowNumbers(view), (std::vector<int>{0, 1, 2}));
    EXPECT_GT(flaggedChanges, 0);
    EXPECT_FALSE(actions.SelectingAll());
    EXPECT_EQ(actions.Menu->actions().size(), 10);
}

#ifndef _WIN32 // Windows hands every item to the shell, which offers its own chooser
TEST_F(ListItemActionsTest, OpeningAnItemOfATypeWithoutApplicationShowsTheChooser)
{
    desktop.install("editor.desktop",
                    "[Desktop Entry]\nType=Application\nName=Editor\nExec=editor %f\n"
                    "MimeType=text/plain;\n");
    const QString item = QString::fromStdString(tree.file("blob.qvx-unknown", ""));
    setRows({item});
    actions.OpenSelectedItem(); // no selection: nothing
    select({0});
    dialogs.scriptApplication(-1);
    actions.OpenSelectedItem();
    ASSERT_EQ(dialogs.count(Kind::Application), 1);
    EXPECT_EQ(dialogs.calls().back().text, item);
    EXPECT_EQ(dialogs.calls().back().choices, QStringList{"Editor"});
}

#endif

} // namespace
