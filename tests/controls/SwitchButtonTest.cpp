#include "controls/TSwitchButton.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Delivers one mouse event straight to the button, as the window would after a press
// on it (the implicit grab sends the later moves and the release there too).
bool sendMouse(TSwitchButton& button, QEvent::Type type, QPoint pos,
               Qt::MouseButton changed = Qt::LeftButton)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, pos, button.mapToGlobal(pos),
                      type == QEvent::MouseMove ? Qt::NoButton : changed, held, Qt::NoModifier);
    QApplication::sendEvent(&button, &event);
    return event.isAccepted();
}

void click(TSwitchButton& button, QPoint pos)
{
    sendMouse(button, QEvent::MouseButtonPress, pos);
    sendMouse(button, QEvent::MouseButtonRelease, pos);
}

QImage render(TSwitchButton& button)
{
    return button.grab().toImage();
}

QPoint centre(const TSwitchButton& button)
{
    return button.rect().center();
}

// No face, a blue background and a caption without antialiasing, so that caption
// pixels have exact colours.
void showCaptionOnly(TSwitchButton& button)
{
    button.resize(80, 30);
    button.setButtonStyle(TSwitchButton::btGraphic);
    button.setColor(QColor(0, 0, 255));
    QFont font = button.font();
    font.setPixelSize(16);
    font.setStyleStrategy(QFont::NoAntialias);
    button.setFont(font);
}

TEST(SwitchButtonPaint, RoundFaceLightensUpwardFromDarkenedFaceColour)
{
    TSwitchButton button;
    button.setRoundSize(10);
    button.setColorButton(QColor(0, 128, 0)); // green 128 darkens to 44
    const QImage image = render(button);
    // Face rows end at height - 4 = 21; the step for a 25-pixel button is 12.
    const int x = button.width() / 2;
    EXPECT_EQ(image.pixelColor(x, 20), QColor(0, 44, 0));
    EXPECT_EQ(image.pixelColor(x, 19), QColor(12, 56, 12));
    EXPECT_EQ(image.pixelColor(x, 18), QColor(24, 68, 24));
    // The white rim at the right and bottom, black on the face's own right edge.
    EXPECT_EQ(image.pixelColor(x, 24), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(74, 12), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(73, 12), QColor(Qt::black));
}

TEST(SwitchButtonPaint, GradientStopsBeforeAChannelReachesWhite)
{
    TSwitchButton button;
    button.resize(75, 80); // step 3.75 over 76 rows would overflow without the stop
    button.setColorButton(QColor(250, 250, 250));
    const QImage image = render(button);
    for (int y = 1; y < 76; ++y)
        EXPECT_LT(image.pixelColor(37, y).red(), 255) << "row " << y;
}

TEST(SwitchButtonPaint, DisabledCaptionIsGreyWithWhiteCopyToTheLowerRight)
{
    TSwitchButton button;
    showCaptionOnly(button);
    button.setCaption("HIX");
    button.setEnabled(false);
    const QImage image = render(button);
    const QColor grey(128, 128, 128);
    int greyPixels = 0;
    int whitePixels = 0;
    for (int y = 1; y < image.height(); ++y) {
        for (int x = 1; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == grey)
                ++greyPixels;
            if (image.pixelColor(x, y) == QColor(Qt::white)) {
                ++whitePixels;
                EXPECT_EQ(image.pixelColor(x - 1, y - 1), grey) << x << "," << y;
            }
        }
    }
    EXPECT_GT(greyPixels, 10);
    EXPECT_GT(whitePixels, 10);
}

TEST(SwitchButtonPaint, CaptionShadowAndDownColour)
{
    TSwitchButton button;
    showCaptionOnly(button);
    button.setFontColor(Qt::white);
    button.setColorDownText(QColor(255, 0, 0));
    button.setShadow(2, 2);
    button.setCaption("H");
    const auto count = [](const QImage& image, const QColor& color) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == color;
        return n;
    };
    const QImage up = render(button);
    EXPECT_GT(count(up, Qt::white), 10);
    EXPECT_GT(count(up, Qt::black), 4); // the shadow peeks out below and right
    button.setGroupIndex(1);
    button.setAllowAllUp(true);
    button.setDown(true);
    const QImage down = render(button);
    EXPECT_EQ(count(down, Qt::white), 0);
    EXPECT_GT(count(down, QColor(255, 0, 0)), 10);
}

TEST(SwitchButtonMouse, PressOutsideTheRoundedCornerRaisesNothing)
{
    TSwitchButton button;
    button.resize(80, 40);
    button.setRoundSize(40);
    QSignalSpy downs(&button, &TSwitchButton::mouseDown);
    QSignalSpy clicks(&button, &TSwitchButton::clicked);
    EXPECT_FALSE(sendMouse(button, QEvent::MouseButtonPress, QPoint(1, 1)));
    EXPECT_FALSE(button.PressedLook());
    EXPECT_EQ(downs.count(), 0);
    click(button, centre(button));
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SwitchButtonMouse, HitMaskFollowsResizeAndShape)
{
    TSwitchButton button;
    button.resize(80, 40);
    EXPECT_EQ(button.HitMask().size(), QSize(20, 10));
    EXPECT_EQ(qGray(button.HitMask().pixel(0, 0)), 255); // square corners
    button.setButtonStyle(TSwitchButton::btEllipse);
    EXPECT_EQ(qGray(button.HitMask().pixel(0, 0)), 0);
    button.setButtonStyle(TSwitchButton::btGraphic);
    EXPECT_FALSE(sendMouse(button, QEvent::MouseButtonPress, centre(button)));
}

TEST(SwitchButtonMouse, DraggingOffAndBackOnSwitchesThePressedLook)
{
    TSwitchButton button;
    QSignalSpy clicks(&button, &TSwitchButton::clicked);
    const QPoint inside = centre(button);
    sendMouse(button, QEvent::MouseButtonPress, inside);
    EXPECT_TRUE(button.PressedLook());
    sendMouse(button, QEvent::MouseMove, inside + QPoint(1, 0));
    EXPECT_TRUE(button.PressedLook());
    sendMouse(button, QEvent::MouseMove, QPoint(200, 10));
    EXPECT_FALSE(button.PressedLook());
    sendMouse(button, QEvent::MouseMove, inside);
    EXPECT_TRUE(button.PressedLook());
    sendMouse(button, QEvent::MouseButtonRelease, inside);
    EXPECT_FALSE(button.PressedLook());
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SwitchButtonMouse, ReleaseOutsideRaisesNoClick)
{
    TSwitchButton button;
    QSignalSpy clicks(&button, &TSwitchButton::clicked);
    QSignalSpy ups(&button, &TSwitchButton::mouseUp);
    sendMouse(button, QEvent::MouseButtonPress, centre(button));
    sendMouse(button, QEvent::MouseButtonRelease, QPoint(button.width(), 5));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(ups.count(), 0);
    EXPECT_FALSE(button.PressedLook());
    EXPECT_FALSE(button.Down());
}

TEST(SwitchButtonMouse, RightButtonNeverClicks)
{
    TSwitchButton button;
    QSignalSpy clicks(&button, &TSwitchButton::clicked);
    QSignalSpy ups(&button, &TSwitchButton::mouseUp);
    sendMouse(button, QEvent::MouseButtonPress, centre(button), Qt::RightButton);
    sendMouse(button, QEvent::MouseButtonRelease, centre(button), Qt::RightButton);
    EXPECT_FALSE(button.PressedLook());
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(ups.count(), 1);
}

TEST(SwitchButtonToggle, AllowAllUpTogglesFlipAndReleaseTheirGroupOnOneParentOnly)
{
    QWidget parentA, parentB;
    TSwitchButton first(&parentA), second(&parentA), elsewhere(&parentB);
    for (TSwitchButton* b : {&first, &second, &elsewhere}) {
        b->setGroupIndex(3);
        b->setAllowAllUp(true);
    }
    click(elsewhere, centre(elsewhere));
    click(first, centre(first));
    EXPECT_TRUE(first.Down());
    click(second, centre(second));
    EXPECT_TRUE(second.Down());
    EXPECT_FALSE(first.Down());
    EXPECT_TRUE(elsewhere.Down());
    click(second, centre(second)); // a second click withdraws it
    EXPECT_FALSE(second.Down());
}

TEST(SwitchButtonToggle, WithoutAllowAllUpAPressKeepsItDown)
{
    QWidget parent;
    TSwitchButton a(&parent), b(&parent);
    a.setGroupIndex(1);
    b.setGroupIndex(1);
    click(a, centre(a));
    click(a, centre(a));
    EXPECT_TRUE(a.Down());
    click(b, centre(b));
    EXPECT_FALSE(a.Down());
    EXPECT_TRUE(b.Down());
}

TEST(SwitchButtonDown, AssignmentRules)
{
    TSwitchButton momentary;
    momentary.setDown(true); // first assignment: stored as is
    EXPECT_TRUE(momentary.Down());
    momentary.setDown(true);
    EXPECT_TRUE(momentary.Down());
    momentary.setDown(false); // down without AllowAllUp stays
    EXPECT_TRUE(momentary.Down());
    momentary.setAllowAllUp(true);
    momentary.setDown(false);
    EXPECT_FALSE(momentary.Down());
    momentary.setDown(true); // a momentary button cannot be put down
    EXPECT_FALSE(momentary.Down());

    QWidget parent;
    TSwitchButton cancel(&parent), other(&parent);
    for (TSwitchButton* b : {&cancel, &other}) {
        b->setGroupIndex(9);
        b->setAllowAllUp(true);
        b->finishLoading();
    }
    other.setDown(true);
    cancel.setDown(false);
    cancel.setDown(true); // releases the other down button of the group
    EXPECT_TRUE(cancel.Down());
    EXPECT_FALSE(other.Down());
    cancel.setDown(false);
    EXPECT_FALSE(cancel.Down());
}

TEST(SwitchButtonCaption, PositionsOutsideTheButtonAreStoredAsZero)
{
    TSwitchButton button;
    button.setCaptionLeft(button.width());
    EXPECT_EQ(button.CaptionLeft(), 0);
    button.setCaptionLeft(-1);
    EXPECT_EQ(button.CaptionLeft(), 0);
    button.setCaptionLeft(button.width() - 1);
    EXPECT_EQ(button.CaptionLeft(), button.width() - 1);
    button.setCaptionTop(3);
    button.setCaptionAlign(TSwitchButton::psBottom);
    EXPECT_EQ(button.CaptionTop(), 0);
}

TEST(SwitchButtonAccessibility, AButtonNamedByItsCaptionCheckedWhileDown)
{
    QWidget parent;
    TSwitchButton button(&parent);
    button.setCaption("開始");
    button.setGroupIndex(3);
    button.setAllowAllUp(true);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), "開始");
    EXPECT_FALSE(accessible->state().checked);
    click(button, centre(button));
    EXPECT_TRUE(accessible->state().checked);
    button.setCaption("停止"); // the name follows the caption
    EXPECT_EQ(accessible->text(QAccessible::Name), "停止");
}

// A shown, active window with a text field before a button and a toggle.
class SwitchButtonKeyboard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        toggle.setGroupIndex(9);
        toggle.setAllowAllUp(true);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        field.setFocus();
    }

    QWidget window;
    QLineEdit field{&window};
    TSwitchButton button{&window};
    TSwitchButton toggle{&window};
};

TEST_F(SwitchButtonKeyboard, TabReachesItAndSpaceOrReturnPressItButAClickTakesNoFocus)
{
    QSignalSpy clicks(&button, &TSwitchButton::clicked);
    QSignalSpy toggleClicks(&toggle, &TSwitchButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, centre(button));
    EXPECT_TRUE(field.hasFocus());
    QTest::keyClick(&field, Qt::Key_Tab);
    ASSERT_TRUE(button.hasFocus());
    QTest::keyPress(&button, Qt::Key_Space); // pressed while held, as with the mouse
    EXPECT_TRUE(button.PressedLook());
    QTest::keyRelease(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 3);

    QTest::keyClick(&button, Qt::Key_Tab);
    QTest::keyClick(&toggle, Qt::Key_Space);
    EXPECT_TRUE(toggle.Down());
    QTest::keyPress(&toggle, Qt::Key_Space); // the focus leaves before the release: no click
    field.setFocus();
    QTest::keyRelease(&toggle, Qt::Key_Space);
    EXPECT_FALSE(toggle.PressedLook());
    EXPECT_EQ(toggleClicks.count(), 1);
}

TEST_F(SwitchButtonKeyboard, TheFocusShowsAsADottedRingInTheCaptionColour)
{
    button.setRoundSize(10);
    button.setColorButton(QColor(0, 0, 128));
    button.setFontColor(Qt::white);
    const auto whiteInRow = [](const QImage& image, int y) {
        int n = 0;
        for (int x = 8; x < image.width() - 8; ++x)
            n += image.pixelColor(x, y) == QColor(Qt::white);
        return n;
    };
    const QImage unfocused = render(button);
    button.setFocus();
    // The ring's top edge runs 2 pixels inside the face; dotted, not a line.
    EXPECT_EQ(whiteInRow(unfocused, 2), 0);
    EXPECT_GT(whiteInRow(render(button), 2), 10);
    EXPECT_LT(whiteInRow(render(button), 2), 40);
}

TEST(SwitchButtonAccessibility, ScreenReadersPressAndToggleEnabledButtons)
{
    QWidget parent;
    TSwitchButton start(&parent), cancel(&parent);
    cancel.setGroupIndex(9);
    cancel.setAllowAllUp(true);
    QSignalSpy clicks(&start, &TSwitchButton::clicked);
    QAccessibleActionInterface* startActions =
        QAccessible::queryAccessibleInterface(&start)->actionInterface();
    QAccessibleInterface* cancelAccessible = QAccessible::queryAccessibleInterface(&cancel);
    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();

    EXPECT_FALSE(startActions->actionNames().contains(toggle));
    startActions->doAction(press);
    EXPECT_EQ(clicks.count(), 1);
    start.setEnabled(false);
    EXPECT_FALSE(startActions->actionNames().contains(press));
    startActions->doAction(press);
    EXPECT_EQ(clicks.count(), 1);

    EXPECT_TRUE(cancelAccessible->actionInterface()->actionNames().contains(toggle));
    cancelAccessible->actionInterface()->doAction(toggle);
    EXPECT_TRUE(cancelAccessible->state().checked);
}

} // namespace
