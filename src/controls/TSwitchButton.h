#pragma once
// The program's own push and toggle button. It paints its whole face itself (rounded,
// elliptic or no face, with a vertical gradient and a caption with an optional drop
// shadow), hit-tests presses by the shape of the face, and with a group index acts as
// a toggle that releases the other down buttons of its group on the same parent.
//
// The mouse, the keyboard and screen readers press it; nothing else raises clicked().
// Only the Tab key gives it the focus (a click does not), so Space or Return press a
// button only after the user has moved there on purpose. While it has the focus it
// shows a dotted ring in its caption colour.
//
// Colours left invalid stand for the system colours named below and follow the palette.

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class QPainter;
class QPainterPath;

class TSwitchButton : public QWidget
{
    Q_OBJECT

public:
    enum TButtonStyle
    {
        btEllipse,
        btRound,
        btGraphic
    };
    enum TCaptionAlign
    {
        psTop,
        psCenter,
        psBottom
    };

    explicit TSwitchButton(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(75, 25); }

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    // The narrowest width that shows `caption` whole, with its shadow, clear of the
    // rounded ends and the rim.
    int widthForCaption(const QString& caption) const;

    // Programmatic assignment follows the toggle rules (see setDown in the source).
    bool Down() const { return down_; }
    void setDown(bool down);
    // Marks the end of the button's set-up: the next assignment of Down is stored as is.
    void finishLoading() { freeDownAssignment_ = true; }

    void setAllowAllUp(bool allow);
    int GroupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);

    void setButtonStyle(TButtonStyle style);
    int RoundSize() const { return roundSize_; }
    void setRoundSize(int diameter);

    QColor ColorButton() const; // default: button face
    void setColorButton(const QColor& color);
    QColor ColorDown() const; // default: button face
    void setColorDown(const QColor& color);
    QColor ColorDownText() const; // default: window text
    void setColorDownText(const QColor& color);
    QColor FontColor() const; // default: window text
    void setFontColor(const QColor& color);
    // Background colour around the face; default: the parent's window colour.
    QColor Color() const { return palette().color(QPalette::Window); }
    void setColor(const QColor& color);

    void setCaptionAlign(TCaptionAlign align); // also resets CaptionTop
    int CaptionLeft() const { return captionLeft_; }
    void setCaptionLeft(int x); // outside 0 .. width - 1 is stored as 0 (centred)
    int CaptionTop() const { return captionTop_; }
    void setCaptionTop(int y); // outside 0 .. height - 1 is stored as 0 (from CaptionAlign)

    void setShadow(int x, int y);
    void setShadowColor(const QColor& color);
    void setShadowDownColor(const QColor& color);

    // A left click on the face: press, then release over it (keyboard, accessibility).
    void click();

    bool PressedLook() const { return pressedLook_; }
    // The face shape at quarter scale (white on black); presses outside it are ignored.
    const QImage& HitMask() const;

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseMove(QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool hitsFace(QPoint pos) const;
    bool strictlyInside(QPoint pos) const;
    bool handlePress(QMouseEvent* event);
    // The left button's press and its release over the face.
    void beginPress();
    void finishPress();
    // Assigns Down and tells screen readers when the toggle state changes.
    void changeDown(bool down);
    void releaseGroup();
    void rebuildHitMask() const;
    void setAndRepaint(auto& field, const auto& value);

    QPainterPath faceShape(int left, int top, int right, int bottom, int roundSize) const;
    // The coloured face's edges in the current state.
    struct Edges
    {
        int left, top, right, bottom;
    };
    Edges faceEdges() const;
    void paintFace(QPainter& painter, const QColor& face);
    void paintGradient(QPainter& painter, const QPainterPath& area, int top, int bottom,
                       const QColor& face);
    void paintCaption(QPainter& painter, const QColor& color);
    void paintFocusMark(QPainter& painter, const QColor& color);
    QColor captionColor();

    QString caption_;
    bool down_ = false;
    bool freeDownAssignment_ = true;
    bool allowAllUp_ = false;
    int groupIndex_ = 0;
    TButtonStyle buttonStyle_ = btRound;
    int roundSize_ = 0;
    QColor colorButton_, colorDown_, colorDownText_, fontColor_;
    TCaptionAlign captionAlign_ = psCenter;
    int captionLeft_ = 0;
    int captionTop_ = 0;
    int shadowX_ = 0;
    int shadowY_ = 0;
    QColor shadowColor_{Qt::black};
    QColor shadowDownColor_{Qt::black};

    bool pressedLook_ = false;
    bool spaceHeld_ = false; // a press by the Space key waits for its release
    // Colours of the previous paint: a pressed AllowAllUp button keeps them.
    QColor lastFaceColor_, lastCaptionColor_;
    mutable QImage hitMask_;
    mutable QSize hitMaskSize_; // button size the mask was built for
    QImage buffer_;             // off-screen image, reused while the size stays

    // One flag for every switch button of the process: a drag is hovering a face.
    static bool dragHover_;
};
