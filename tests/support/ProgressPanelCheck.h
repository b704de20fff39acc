#pragma once
// What the shared progress panel must do on a page during a run: lie over the given
// controls of its host whole and on top (so that a click there reaches the panel),
// hold its own controls inside, and paint its background between them (so that
// nothing underneath shows through).

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
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

    const QImage shot = host->grab(area).toImage();
    const QColor face = panel.palette().color(panel.backgroundRole());
    int foreign = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QPoint point(x, y);
            const bool onChild = std::any_of(own.begin(), own.end(), [&](const QWidget* child) {
                return child->isVisible() && child->geometry().contains(point);
            });
            if (!onChild && shot.pixelColor(point) != face)
                ++foreign;
        }
    EXPECT_EQ(foreign, 0);
}
