#pragma once
// Every text a window shows a user or a screen reader, each with the widget that
// shows it: captions, labels, tooltips, window titles, accessible names, menu items,
// tab captions, list headers and cells, combo box items and browser pages.

#include "controls/TSwitchButton.h"
#include "controls/TextPanel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextBrowser>

#include <string>
#include <vector>

struct VisibleText
{
    std::string where; // "ObjectName kind"
    QString text;
};

inline std::vector<VisibleText> VisibleTexts(const QWidget& root)
{
    std::vector<VisibleText> out;
    QList<const QWidget*> widgets{&root};
    for (const QWidget* child : root.findChildren<QWidget*>())
        widgets << child;
    for (const QWidget* widget : widgets) {
        const std::string name =
            (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                            : widget->objectName())
                .toStdString();
        const auto add = [&](const char* kind, const QString& text) {
            if (!text.isEmpty())
                out.push_back({name + " " + kind, text});
        };
        if (widget->isWindow())
            add("title", widget->windowTitle());
        add("tooltip", widget->toolTip());
        add("accessible name", widget->accessibleName());
        add("accessible description", widget->accessibleDescription());
        for (const QAction* action : widget->actions()) {
            add("menu item", action->text());
            add("menu tooltip", action->toolTip());
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add("text", button->text());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add("text", label->text());
        if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            add("title", box->title());
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            add("placeholder", edit->placeholderText());
        if (const auto* button = qobject_cast<const TSwitchButton*>(widget))
            add("caption", button->Caption());
        if (const auto* panel = qobject_cast<const TextPanel*>(widget))
            add("text", panel->text());
        if (const auto* browser = qobject_cast<const QTextBrowser*>(widget))
            add("page", browser->toPlainText());
        if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                add("item", combo->itemText(i));
        if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i) {
                add("tab", tabs->tabText(i));
                add("tab tooltip", tabs->tabToolTip(i));
            }
        if (const auto* view = qobject_cast<const QAbstractItemView*>(widget);
            view && view->model() && !qobject_cast<const QComboBox*>(widget->parent())) {
            const QAbstractItemModel& model = *view->model();
            for (int column = 0; column < model.columnCount(); ++column) {
                add("header", model.headerData(column, Qt::Horizontal).toString());
                for (int row = 0; row < model.rowCount(); ++row)
                    add("cell", model.index(row, column).data().toString());
            }
        }
    }
    return out;
}
