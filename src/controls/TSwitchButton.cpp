#include "controls/TSwitchButton.h"

#include "controls/AccessibleFactory.h"
#include "controls/ColorRef.h"
#include "controls/RowGradient.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cstdlib>
#include <utility>

bool TSwitchButton::dragHover_ = false;

namespace {

// Screen readers and test robots see a button named by its caption, checked while a
// toggle is down, that they can press (or toggle) while it is enabled.
class SwitchButtonAccessible : public QAccessibleWidget
{
public:
    explicit SwitchButtonAccessible(TSwitchButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button().GroupIndex() != 0;
        state.checked = button().Down();
        state.pressed = button().PressedLook();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button().isEnabled()) {
            names << pressAction();
            if (button().GroupIndex() != 0)
                names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction() && action != toggleAction())
            QAccessibleWidget::doAction(action);
        else if (button().isEnabled())
            button().click();
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction() || action == toggleAction())
            return {QStringLiteral("Space"), QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    TSwitchButton& button() const { return *static_cast<TSwitchButton*>(widget()); }
};

} // namespace

TSwitchButton::TSwitchButton(QWidget* parent) : QWidget(parent)
{
    InstallAccessibleInterface<TSwitchButton, SwitchButtonAccessible>();
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true); // mouseMove() reports every move, not only drags
    resize(sizeHint());
    rebuildHitMask();
}

template <typename Field, typename Value>
static bool assignChanged(Field& field, const Value& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

void TSwitchButton::setAndRepaint(auto& field, const auto& value)
{
    if (assignChanged(field, value))
        update();
}

void TSwitchButton::setCaption(const QString& caption)
{
    // Buttons are known to screen readers and test robots by their captions.
    if (accessibleName().isEmpty() || accessibleName() == caption_)
        setAccessibleName(caption);
    setAndRepaint(caption_, caption);
}

// Assignment rules: the first assignment after creation and the first after set-up
// store the value as is. Later, a grouped button goes down unless AllowAllUp lets it
// take the value; a momentary button can only be brought up (when AllowAllUp).
void TSwitchButton::setDown(bool down)
{
    if (freeDownAssignment_) {
        freeDownAssignment_ = false;
        changeDown(down);
    } else if (groupIndex_ != 0) {
        pressedLook_ = false;
        changeDown(allowAllUp_ ? down : true);
    } else if (down_ && allowAllUp_) {
        changeDown(false);
    }
    releaseGroup();
    update();
}

void TSwitchButton::setAllowAllUp(bool allow)
{
    setAndRepaint(allowAllUp_, allow);
}
void TSwitchButton::setGroupIndex(int index)
{
    setAndRepaint(groupIndex_, index);
}

void TSwitchButton::setButtonStyle(TButtonStyle style)
{
    // The hit mask follows the face shape, so it changes with it, not only on resize.
    if (assignChanged(buttonStyle_, style)) {
        rebuildHitMask();
        update();
    }
}

void TSwitchButton::setRoundSize(int diameter)
{
    if (assignChanged(roundSize_, std::max(diameter, 0))) {
        rebuildHitMask();
        update();
    }
}

QColor TSwitchButton::ColorButton() const
{
    return resolveColor(colorButton_, *this, QPalette::Button);
}
void TSwitchButton::setColorButton(const QColor& color)
{
    setAndRepaint(colorButton_, color);
}
QColor TSwitchButton::ColorDown() const
{
    return resolveColor(colorDown_, *this, QPalette::Button);
}
void TSwitchButton::setColorDown(const QColor& color)
{
    setAndRepaint(colorDown_, color);
}
QColor TSwitchButton::ColorDownText() const
{
    return resolveColor(colorDownText_, *this, QPalette::WindowText);
}
void TSwitchButton::setColorDownText(const QColor& color)
{
    setAndRepaint(colorDownText_, color);
}
QColor TSwitchButton::FontColor() const
{
    return resolveColor(fontColor_, *this, QPalette::WindowText);
}
void TSwitchButton::setFontColor(const QColor& color)
{
    setAndRepaint(fontColor_, color);
}

void TSwitchButton::setColor(const QColor& color)
{
    setWindowColor(*this, color);
    update();
}

void TSwitchButton::setCaptionAlign(TCaptionAlign align)
{
    captionAlign_ = align;
    captionTop_ = 0;
    update();
}

void TSwitchButton::setCaptionLeft(int x)
{
    setAndRepaint(captionLeft_, (x >= 0 && x < width()) ? x : 0);
}

void TSwitchButton::setCaptionTop(int y)
{
    setAndRepaint(captionTop_, (y >= 0 && y < height()) ? y : 0);
}

void TSwitchButton::setShadow(int x, int y)
{
    shadowX_ = x;
    shadowY_ = y;
    update();
}

void TSwitchButton::setShadowColor(const QColor& color)
{
    setAndRepaint(shadowColor_, color);
}
void TSwitchButton::setShadowDownColor(const QColor& color)
{
    setAndRepaint(shadowDownColor_, color);
}

// ---- mouse ---------------------------------------------------------------------

bool TSwitchButton::hitsFace(QPoint pos) const
{
    const QPoint scaled(pos.x() / 4, pos.y() / 4);
    const QImage& mask = HitMask();
    return pos.x() >= 0 && pos.y() >= 0 && mask.valid(scaled) && qGray(mask.pixel(scaled)) == 255;
}

bool TSwitchButton::strictlyInside(QPoint pos) const
{
    return pos.x() > 0 && pos.x() < width() && pos.y() > 0 && pos.y() < height();
}

bool TSwitchButton::handlePress(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!hitsFace(pos)) {
        event->ignore(); // the corners outside the face belong to what lies behind
        return false;
    }
    if (event->button() == Qt::LeftButton)
        beginPress();
    emit mouseDown(event->button(), pos);
    return true;
}

void TSwitchButton::beginPress()
{
    if (groupIndex_ == 0)
        changeDown(false);
    else
        changeDown(allowAllUp_ ? !down_ : true);
    pressedLook_ = true;
    update();
}

void TSwitchButton::finishPress()
{
    pressedLook_ = false;
    releaseGroup();
    update();
    emit clicked();
}

void TSwitchButton::click()
{
    beginPress();
    finishPress();
}

void TSwitchButton::changeDown(bool down)
{
    if (down == down_)
        return;
    down_ = down;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TSwitchButton::mousePressEvent(QMouseEvent* event)
{
    handlePress(event);
}

void TSwitchButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click acts as a press as well, so a toggle
    // double-clicked ends where it started.
    if (handlePress(event))
        emit doubleClicked();
}

void TSwitchButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool left = event->button() == Qt::LeftButton;
    if (left)
        dragHover_ = false;
    if (!strictlyInside(pos) || !hitsFace(pos)) {
        // No click; the button just stops looking pressed.
        if (left && pressedLook_) {
            pressedLook_ = false;
            update();
        }
        return;
    }
    if (left)
        finishPress();
    emit mouseUp(event->button(), pos);
}

void TSwitchButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton) {
        if (strictlyInside(pos) && hitsFace(pos) && !down_) {
            if (!dragHover_) {
                pressedLook_ = true;
                dragHover_ = true;
                update();
            }
        } else if (dragHover_) {
            pressedLook_ = false;
            update();
            dragHover_ = false;
        }
    }
    emit mouseMove(pos);
}

// ---- keyboard -------------------------------------------------------------------

// Space presses while held, as the left button does; Return and Enter click at once.
void TSwitchButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->isAutoRepeat() || spaceHeld_)
        return;
    if (key == Qt::Key_Space) {
        spaceHeld_ = true;
        beginPress();
    } else {
        click();
    }
}

void TSwitchButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat() || !spaceHeld_)
        return;
    spaceHeld_ = false;
    finishPress();
}

void TSwitchButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

// Losing the focus with Space held is a release away from the face: no click.
void TSwitchButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (std::exchange(spaceHeld_, false))
        pressedLook_ = false;
    update();
}

// A down button that is not held releases the other down buttons of its group among
// its siblings.
void TSwitchButton::releaseGroup()
{
    if (!down_ || pressedLook_ || groupIndex_ == 0 || !parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<TSwitchButton*>(Qt::FindDirectChildrenOnly);
    for (TSwitchButton* other : siblings) {
        if (other != this && other->groupIndex_ == groupIndex_ && other->down_) {
            other->changeDown(false);
            other->pressedLook_ = false;
            other->update();
        }
    }
}

// ---- painting ------------------------------------------------------------------

// The face shape for the pixel rectangle left .. right - 1, top .. bottom - 1.
QPainterPath TSwitchButton::faceShape(int left, int top, int right, int bottom, int roundSize) const
{
    QPainterPath path;
    const QRectF rect(left, top, right - left, bottom - top);
    if (buttonStyle_ == btEllipse)
        path.addEllipse(rect);
    else if (buttonStyle_ == btRound)
        path.addRoundedRect(rect, roundSize / 2.0, roundSize / 2.0);
    return path;
}

// A hidden widget gets its resize event only when shown, so the mask is also
// brought up to date when it is read.
const QImage& TSwitchButton::HitMask() const
{
    if (hitMaskSize_ != size())
        rebuildHitMask();
    return hitMask_;
}

void TSwitchButton::rebuildHitMask() const
{
    hitMaskSize_ = size();
    hitMask_ =
        QImage(std::max(width() / 4, 1), std::max(height() / 4, 1), QImage::Format_Grayscale8);
    hitMask_.fill(Qt::black);
    if (width() < 4 || height() < 4)
        return;
    QPainter painter(&hitMask_);
    painter.fillPath(faceShape(0, 0, width() / 4, height() / 4, roundSize_ / 4), Qt::white);
}

void TSwitchButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rebuildHitMask();
}

void TSwitchButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::PaletteChange)
        update();
}

void TSwitchButton::paintEvent(QPaintEvent*)
{
    if (buffer_.size() != size())
        buffer_ = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&buffer_);
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, h, Color());

    QColor face;
    if (allowAllUp_ && pressedLook_ && lastFaceColor_.isValid())
        face = lastFaceColor_;
    else if (allowAllUp_)
        face = down_ ? ColorDown() : ColorButton();
    else
        face = (pressedLook_ || down_) ? ColorDown() : ColorButton();
    lastFaceColor_ = face;

    paintFace(painter, face);
    const QColor ink = captionColor();
    if (!caption_.isEmpty())
        paintCaption(painter, ink);
    if (hasFocus())
        paintFocusMark(painter, ink);
    painter.end();
    QPainter(this).drawImage(0, 0, buffer_);
}

TSwitchButton::Edges TSwitchButton::faceEdges() const
{
    const int w = width();
    const int h = height();
    Edges edges{0, 0, w - 3, h - 4};
    if (pressedLook_)
        edges = {2, 2, w - 1, h - 2};
    else if (down_)
        edges = {1, 1, w - 2, h - 3};
    if (buttonStyle_ == btEllipse)
        ++edges.bottom;
    return edges;
}

void TSwitchButton::paintFace(QPainter& painter, const QColor& face)
{
    if (buttonStyle_ == btGraphic)
        return;
    const int w = width();
    const int h = height();
    const auto [left, top, right, bottom] = faceEdges();

    // Rim: the full shape in the rim colour, then the black face one pixel smaller, so
    // the rim shows at the right and bottom. A disabled plain or elliptic face gets an
    // embossed outline instead.
    const bool plainOutline = buttonStyle_ == btEllipse || roundSize_ == 0;
    if (isEnabled() || !plainOutline) {
        const QColor rim = buttonStyle_ == btEllipse ? QColor(128, 128, 128) : QColor(Qt::white);
        painter.fillPath(faceShape(0, 0, w, h, roundSize_), rim);
        painter.fillPath(faceShape(0, 0, w - 1, h - 1, roundSize_), Qt::black);
    } else {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::white);
        painter.drawPath(faceShape(1, 1, w - 1, h - 1, roundSize_));
        painter.setPen(QColor(128, 128, 128));
        painter.drawPath(faceShape(0, 0, w - 2, h - 2, roundSize_));
    }
    paintGradient(painter, faceShape(left + 1, top + 1, right, bottom, roundSize_), top, bottom,
                  face);
}

// Rows from the bottom of the face upward, darkest at the bottom.
void TSwitchButton::paintGradient(QPainter& painter, const QPainterPath& area, int top, int bottom,
                                  const QColor& face)
{
    painter.save();
    painter.setClipPath(area);
    RowGradient gradient(RowGradient::darken(face), RowGradient::stepForHeight(height()));
    const int rows = std::max(bottom - top, 1);
    for (int i = 0; i < rows; ++i) {
        painter.fillRect(0, bottom - 1 - i, width(), 1, gradient.current());
        gradient.advance();
    }
    painter.restore();
}

QColor TSwitchButton::captionColor()
{
    QColor color;
    if (!allowAllUp_)
        color = (pressedLook_ || down_) ? ColorDownText() : FontColor();
    else if (pressedLook_ && lastCaptionColor_.isValid())
        color = lastCaptionColor_;
    else if (down_ && ColorDownText() != palette().color(QPalette::WindowText))
        color = ColorDownText();
    else
        color = FontColor();
    lastCaptionColor_ = color;
    return color;
}

int TSwitchButton::widthForCaption(const QString& caption) const
{
    constexpr int rimAndMargin = 8;
    return QFontMetrics(font()).horizontalAdvance(caption) + std::abs(shadowX_) + roundSize_ +
           rimAndMargin;
}

void TSwitchButton::paintCaption(QPainter& painter, const QColor& color)
{
    const QFontMetrics metrics(font());
    const int x =
        captionLeft_ != 0 ? captionLeft_ : width() / 2 - metrics.horizontalAdvance(caption_) / 2;
    int y = captionTop_;
    if (y == 0) {
        // Half the font height, negative as for a font given in pixels.
        const int half = -QFontInfo(font()).pixelSize() / 2;
        switch (captionAlign_) {
        case psTop:
            y = height() / 4 + half;
            break;
        case psCenter:
            y = height() / 2 + half;
            break;
        case psBottom:
            y = (height() / 4) * 3 + half;
            break;
        }
    }
    const int offset = pressedLook_ ? 2 : down_ ? 1 : 0;
    const int left = x + offset;
    const int baseline = y + offset + metrics.ascent();

    painter.setFont(font());
    auto drawAt = [&](int dx, int dy, const QColor& c) {
        painter.setPen(c);
        painter.drawText(left + dx, baseline + dy, caption_);
    };
    if (!isEnabled()) {
        drawAt(1, 1, Qt::white);
        drawAt(0, 0, QColor(128, 128, 128));
        return;
    }
    if (shadowX_ != 0 || shadowY_ != 0)
        drawAt(shadowX_, shadowY_, (pressedLook_ || down_) ? shadowDownColor_ : shadowColor_);
    drawAt(0, 0, color);
}

// A dotted ring inside the face, following its shape, in the caption's colour.
void TSwitchButton::paintFocusMark(QPainter& painter, const QColor& color)
{
    constexpr int inset = 2;
    const auto [left, top, right, bottom] = faceEdges();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, 1, Qt::DotLine));
    painter.drawPath(faceShape(left + inset, top + inset, right - inset, bottom - inset,
                               std::max(roundSize_ - 2 * inset, 0)));
    painter.restore();
}
