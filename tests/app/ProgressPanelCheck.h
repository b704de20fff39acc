#pragma once
// What the shared progress panel must do on a page during a run: lie over the given
// controls of its host whole and on top (so that a click there reaches the panel),
// and hold its own controls inside.

#include <QWidget>

#include <gtest/gtest.h>

#include <initializer_list>

inline void ExpectProgressPanelCovers(QWidget& panel, std::initializer_list<QWidget*> covered)
{
    QWidget* host = panel.parentWidget();
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(panel.isVisible());
    const QRect area = panel.geometry();
    for (QWidget* control : covered) {
        const QRect place(control->mapTo(host, QPoint(0, 0)), control->size());
        EXPECT_TRUE(area.contains(place)) << control->objectName().toStdString();
        QWidget* hit = host->childAt(place.center());
        EXPECT_TRUE(hit == &panel || panel.isAncestorOf(hit))
            << control->objectName().toStdString();
    }
    const QList<QWidget*> own = panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* child : own)
        EXPECT_TRUE(panel.rect().contains(child->geometry())) << child->objectName().toStdString();
}
