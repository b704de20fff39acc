#include "controls/ControlStyles.h"
#include "controls/TMyListView.h"
#include "controls/TNewTrackBar.h"
#include "controls/TSwitchButton.h"

#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QList<QPixmap> markers(const QColor& colour)
{
    QPixmap marker(16, 16);
    marker.fill(colour);
    QList<QPixmap> images(16, QPixmap());
    return images << marker << marker;
}

struct ListFixture
{
    QStandardItemModel model{3, 3};
    TMyListView view;

    ListFixture()
    {
        model.setHorizontalHeaderLabels({"A", "B", "C"});
        view.setModel(&model);
        view.resize(400, 200);
        for (int c = 0; c < 3; ++c)
            view.setColumnWidth(c, 100);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    int pixelsOf(const QColor& colour, int column)
    {
        TMyListViewHeader* header = view.GetColumnHandle();
        const QImage image = header->grab().toImage();
        const int left = header->sectionViewportPosition(column);
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = left; x < left + header->sectionSize(column); ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    }
};

TEST(ListViewHeader, ShowsTheMarkerImageOfOneColumnOnly)
{
    ListFixture f;
    f.view.SetColumnImageList(markers(Qt::red));
    TMyListViewHeader* header = f.view.GetColumnHandle();
    header->setColumnImage(1, 17);
    EXPECT_EQ(f.pixelsOf(Qt::red, 1), 16 * 16);
    EXPECT_EQ(f.pixelsOf(Qt::red, 0), 0);
    header->setColumnImage(1, -1);
    header->setColumnImage(2, 99); // not in the list: nothing drawn
    EXPECT_EQ(f.pixelsOf(Qt::red, 1), 0);
    EXPECT_EQ(f.pixelsOf(Qt::red, 2), 0);
}

TEST(ListViewHeader, TheSameImageListIsNotTakenAgain)
{
    TMyListView view;
    const QList<QPixmap> images = markers(Qt::red);
    EXPECT_TRUE(view.GetColumnHandle()->setImageList(images));
    EXPECT_FALSE(view.GetColumnHandle()->setImageList(images));
    EXPECT_TRUE(view.GetColumnHandle()->setImageList(markers(Qt::blue)));
}

TEST(ListViewHeader, ResizeByMouseRaisesCmChangeOnReleaseAndAClickDoesNot)
{
    ListFixture f;
    QSignalSpy changes(&f.view, &TMyListView::OnCmChange);
    QSignalSpy clicks(&f.view, &TMyListView::columnClick);
    QWidget* header = f.view.GetColumnHandle()->viewport();
    const int y = header->height() / 2;
    const auto send = [&](QEvent::Type type, int x) {
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        QMouseEvent event(type, QPointF(x, y), header->mapToGlobal(QPointF(x, y)), changed, held,
                          Qt::NoModifier);
        QApplication::sendEvent(header, &event);
    };

    send(QEvent::MouseButtonPress, 50);
    send(QEvent::MouseButtonRelease, 50);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(changes.count(), 0);

    send(QEvent::MouseButtonPress, 99);
    send(QEvent::MouseMove, 130);
    EXPECT_EQ(changes.count(), 0);
    send(QEvent::MouseButtonRelease, 130);
    EXPECT_GT(f.view.columnWidth(0), 100);
    EXPECT_EQ(changes.count(), 1);
}

TEST(ListViewHeader, ColumnWidthsStayWithinTheirLimits)
{
    ListFixture f;
    f.view.GetColumnHandle()->setColumnWidthLimits(2, 60, 100);
    f.view.setColumnWidth(2, 200);
    EXPECT_EQ(f.view.columnWidth(2), 100);
    f.view.setColumnWidth(2, 10);
    EXPECT_EQ(f.view.columnWidth(2), 60);
    f.view.GetColumnHandle()->setColumnWidthLimits(0, 100, 0);
    f.view.setColumnWidth(0, 900);
    EXPECT_EQ(f.view.columnWidth(0), 900);
}

TEST(TrackBar, OnlyTheBoxedChannelShowsTheSelection)
{
    TNewTrackBar* track = createNewTrackBar1(nullptr);
    std::unique_ptr<TNewTrackBar> owner(track);
    track->setValue(10); // keep the thumb off the selection's middle
    const QColor highlight = track->palette().color(QPalette::Highlight);
    const auto highlighted = [&] {
        const QImage image = track->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == highlight;
        return n;
    };
    EXPECT_EQ(track->BarStyle(), TNewTrackBar::styLine);
    EXPECT_EQ(highlighted(), 0);
    track->setBarStyle(TNewTrackBar::styBox);
    EXPECT_GT(highlighted(), 50);
    track->setBarStyle(TNewTrackBar::styLine);
    track->setBarStyle(TNewTrackBar::styLine);
    EXPECT_EQ(highlighted(), 0);
}

TEST(ControlStyles, CancelButtonIsAPolledToggleThatASecondClickWithdraws)
{
    QWidget panel;
    TSwitchButton* cancel = createSwitchButton("CancelBtn", &panel);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->objectName(), "CancelBtn");
    EXPECT_EQ(cancel->Caption(), "Cancel");
    EXPECT_EQ(cancel->ColorButton(), QColor(128, 0, 0));
    cancel->setDown(false); // a run starts by raising it
    const QPoint centre = cancel->rect().center();
    QTest::mouseClick(cancel, Qt::LeftButton, {}, centre);
    EXPECT_TRUE(cancel->Down());
    QTest::mouseClick(cancel, Qt::LeftButton, {}, centre);
    EXPECT_FALSE(cancel->Down());
    EXPECT_EQ(createSwitchButton("NoSuchButton", &panel), nullptr);
    EXPECT_EQ(switchButtonNames().size(), 11);
}

TEST(ControlStyles, ThePageButtonsOfTheEmptyItemAndTrashPagesShowTheHandCursor)
{
    const QStringList hand = {"SwitchButton6", "SwitchButton5", "ModosuSwBtn",
                              "DelSwBtn",      "AllSelectBtn",  "GomiOpenSwBtn"};
    QWidget panel;
    for (const QString& name : switchButtonNames()) {
        const TSwitchButton* button = createSwitchButton(name, &panel);
        EXPECT_EQ(button->cursor().shape(),
                  hand.contains(name) ? Qt::PointingHandCursor : Qt::ArrowCursor)
            << name.toStdString();
    }
}

} // namespace
