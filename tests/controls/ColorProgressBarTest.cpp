#include "controls/TColorProgressBar.h"

#include <QAccessible>
#include <QEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>

namespace {

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// The main window's bar: 145 × 20, glass style, navy bar on a grey box.
void styleAsMainWindowBar(TColorProgressBar& bar)
{
    bar.resize(145, 20);
    bar.setBoxColor(QColor(212, 208, 200));
    bar.setBarColor(QColor(0, 0, 128));
    bar.setLineColor(QColor(128, 128, 128));
    bar.setBarStyle(TColorProgressBar::btWin7);
    bar.setFlat(true);
}

TEST(ColorProgressBarColours, BlendWeighsTheFirstColour)
{
    const QColor navy(0, 0, 128);
    EXPECT_EQ(TColorProgressBar::Blend(navy, Qt::white, 60), QColor(195, 195, 225));
    EXPECT_EQ(TColorProgressBar::Blend(navy, Qt::white, 80), QColor(175, 175, 215));
    EXPECT_EQ(TColorProgressBar::Blend(QColor(212, 208, 200), Qt::black, 150),
              QColor(124, 121, 117));
    EXPECT_EQ(TColorProgressBar::Blend(navy, Qt::white, 0), QColor(Qt::white));
    EXPECT_EQ(TColorProgressBar::Blend(navy, Qt::white, 255), QColor(0, 0, 128));
    // Weights past the range (WhiteLevel 255 + PrsLevel 20) stay at the bar colour.
    EXPECT_EQ(TColorProgressBar::Blend(navy, Qt::white, 275), QColor(0, 0, 128));
}

TEST(ColorProgressBarPaint, GlassBarOfTwentyPixels)
{
    TColorProgressBar bar;
    styleAsMainWindowBar(bar);
    bar.setPosition(100);
    const QImage image = bar.grab().toImage();
    const int x = 20;
    for (int y = 2; y <= 4; ++y)
        EXPECT_EQ(image.pixelColor(x, y), QColor(195, 195, 225)) << "row " << y;
    for (int y = 5; y <= 7; ++y)
        EXPECT_EQ(image.pixelColor(x, y), QColor(175, 175, 215)) << "row " << y;
    // Darkest at row 8 (blue 128 - 64), then 15 lighter per row.
    EXPECT_EQ(image.pixelColor(x, 8), QColor(0, 0, 64));
    EXPECT_EQ(image.pixelColor(x, 9), QColor(15, 15, 79));
    EXPECT_EQ(image.pixelColor(x, 18), QColor(150, 150, 214));
    EXPECT_EQ(image.pixelColor(x, 19), QColor(128, 128, 128)); // the flat frame
}

TEST(ColorProgressBarPaint, NoBarAtZeroThenBarEndsWithItsShadowColumn)
{
    TColorProgressBar bar;
    styleAsMainWindowBar(bar);
    bar.setTextSwitch(true);
    const QColor box(212, 208, 200);
    QImage image = bar.grab().toImage();
    EXPECT_EQ(image.pixelColor(10, 10), box); // no bar at 0 %
    EXPECT_EQ(image.pixelColor(0, 10), QColor(128, 128, 128));
    int textPixels = 0; // "0%" in the middle
    for (int y = 2; y < 18; ++y)
        for (int x = 50; x < 95; ++x)
            textPixels += image.pixelColor(x, y) != box;
    EXPECT_GT(textPixels, 10);

    bar.setTextSwitch(false);
    bar.setPosition(50); // end = 142 × 50 / 100 + 1 = 72; the edge column at 72
    image = bar.grab().toImage();
    EXPECT_NE(image.pixelColor(71, 10), box);
    EXPECT_EQ(image.pixelColor(72, 10), TColorProgressBar::Blend(box, Qt::black, 150));
    EXPECT_EQ(image.pixelColor(74, 10), box);
}

TEST(ColorProgressBarPaint, BlocksAppearPerWholePercentage)
{
    TColorProgressBar bar;
    styleAsMainWindowBar(bar);
    bar.setBarStyle(TColorProgressBar::btSolid);
    bar.setSmooth(true);
    bar.setBlockCount(8);
    bar.setPosition(37); // blocks at 12, 25 and 37 %: three of them
    const QImage image = bar.grab().toImage();
    const double block = (145 - 4) / 8.0;
    const auto inBlock = [&](int i) { return image.pixelColor(int(2 + (i - 0.5) * block), 10); };
    EXPECT_EQ(inBlock(3), QColor(0, 0, 128));
    EXPECT_EQ(inBlock(4), QColor(212, 208, 200));
    // The gap at the end of each block shows the box.
    EXPECT_EQ(image.pixelColor(int(2 + block - 1), 10), QColor(212, 208, 200));
}

TEST(ColorProgressBarRange, BoundsOfMinMaxPositionAndBlockSpace)
{
    TColorProgressBar bar;
    bar.setMax(0);
    EXPECT_EQ(bar.Max(), 1u);
    bar.setMax(100);
    bar.setMin(200);
    EXPECT_EQ(bar.Min(), 100u);
    bar.setMin(0);
    bar.setPosition(500);
    EXPECT_EQ(bar.Position(), 100u);
    bar.StepBy(std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(bar.Position(), 100u);
    EXPECT_EQ(bar.ParValue(), 100);

    // 150 wide, 10 blocks: a block is 14 pixels, so 7 is half a block.
    EXPECT_FALSE(bar.setBlockSpace(7));
    EXPECT_EQ(bar.BlockSpace(), 1);
    EXPECT_TRUE(bar.setBlockSpace(6));
    EXPECT_EQ(bar.BlockSpace(), 6);
}

TEST(ColorProgressBarRange, HugeRangesNeitherOverflowNorWrap)
{
    TColorProgressBar bar;
    const std::uint64_t allOnes = std::numeric_limits<std::uint64_t>::max();
    bar.setMax(allOnes); // a count of 0 minus one
    bar.StepBy(1000);
    EXPECT_EQ(bar.ParValue(), 0);
    bar.setPosition(allOnes / 100 * 99);
    EXPECT_EQ(bar.ParValue(), 98);
    bar.StepBy(allOnes);
    EXPECT_EQ(bar.Position(), allOnes);
    EXPECT_EQ(bar.ParValue(), 100);
}

TEST(ColorProgressBarRepaint, OnlyWhenTheWholePercentageChanges)
{
    TColorProgressBar bar;
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QCoreApplication::processEvents();
    PaintCounter counter;
    bar.installEventFilter(&counter);
    bar.setMax(1000);
    bar.setStep(1);
    QCoreApplication::processEvents(); // the range change may ask for one repaint
    counter.paints = 0;
    for (int i = 0; i < 1000; ++i) {
        bar.StepIt();
        EXPECT_EQ(counter.paints, (i + 1) / 10) << "step " << i + 1;
    }
    bar.setPosition(1000);
    EXPECT_EQ(counter.paints, 100);
}

TEST(ColorProgressBarAccessibility, ReadAsTheWholePercentage)
{
    TColorProgressBar bar;
    bar.setMax(1000);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::ProgressBar);
    bar.setPosition(375);
    EXPECT_EQ(accessible->text(QAccessible::Value), "37%");
    ASSERT_NE(accessible->valueInterface(), nullptr);
    EXPECT_EQ(accessible->valueInterface()->currentValue().toInt(), 37);
    EXPECT_EQ(accessible->valueInterface()->maximumValue().toInt(), 100);
}

} // namespace
