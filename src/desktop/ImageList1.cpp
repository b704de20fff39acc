#include "desktop/ImageList1.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

// Palette of the pictures.
const QColor kOutline(70, 70, 70);
const QColor kPaper(255, 255, 255);
const QColor kFolderBack(214, 160, 40);
const QColor kFolderFront(250, 204, 84);
const QColor kBlue(40, 100, 200);
const QColor kRed(210, 40, 40);
const QColor kGreen(40, 150, 60);
const QColor kGrey(150, 150, 150);

QPen outlinePen(const QColor& colour = kOutline, qreal width = 1.0)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// A sheet of paper with a folded corner; the rectangle is in pixel cells.
void drawSheet(QPainter& p, const QRect& cell)
{
    const QRectF r = QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal fold = 3.0;
    QPainterPath sheet;
    sheet.moveTo(r.left(), r.top());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.right(), r.bottom());
    sheet.lineTo(r.left(), r.bottom());
    sheet.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(kPaper);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(Qt::NoBrush);
    p.drawPath(corner);
}

// Text lines on a sheet.
void drawLines(QPainter& p, int left, int right, int top, int count, const QColor& colour)
{
    p.setPen(outlinePen(colour));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left + 0.5, top + 2 * i + 0.5), QPointF(right + 0.5, top + 2 * i + 0.5));
}

void drawFolder(QPainter& p, const QRectF& r, bool open)
{
    QPainterPath back;
    back.moveTo(r.left(), r.top() + 1);
    back.lineTo(r.left() + 5, r.top() + 1);
    back.lineTo(r.left() + 6.5, r.top() + 2.5);
    back.lineTo(r.right(), r.top() + 2.5);
    back.lineTo(r.right(), r.bottom());
    back.lineTo(r.left(), r.bottom());
    back.closeSubpath();
    p.setPen(outlinePen(kFolderBack.darker(140)));
    p.setBrush(kFolderBack);
    p.drawPath(back);
    QPainterPath front;
    if (open) {
        front.moveTo(r.left() + 2.5, r.top() + 5);
        front.lineTo(r.right() + 0.5, r.top() + 5);
        front.lineTo(r.right() - 2, r.bottom());
        front.lineTo(r.left(), r.bottom());
    } else {
        front.addRect(QRectF(r.left(), r.top() + 4, r.width(), r.height() - 4));
    }
    front.closeSubpath();
    p.setBrush(kFolderFront);
    p.drawPath(front);
}

void drawTriangle(QPainter& p, bool pointingDown)
{
    QPolygonF triangle;
    if (pointingDown)
        triangle << QPointF(3.5, 5.5) << QPointF(12.5, 5.5) << QPointF(8, 11);
    else
        triangle << QPointF(3.5, 10.5) << QPointF(12.5, 10.5) << QPointF(8, 5);
    p.setPen(outlinePen(QColor(90, 90, 90)));
    p.setBrush(QColor(120, 120, 120));
    p.drawPolygon(triangle);
}

void drawMagnifier(QPainter& p, const QPointF& centre, qreal radius)
{
    p.setPen(QPen(kOutline, 2.0, Qt::SolidLine, Qt::RoundCap));
    const QPointF handle = centre + QPointF(radius * 0.75, radius * 0.75);
    p.drawLine(handle, handle + QPointF(3.5, 3.5));
    p.setPen(outlinePen(kBlue.darker(130), 1.2));
    p.setBrush(QColor(200, 225, 255, 220));
    p.drawEllipse(centre, radius, radius);
}

void drawArrowHead(QPainter& p, const QPointF& tip, const QPointF& direction, const QColor& c)
{
    const QPointF d = direction / std::hypot(direction.x(), direction.y());
    const QPointF n(-d.y(), d.x());
    QPolygonF head;
    head << tip << tip - d * 4 + n * 3 << tip - d * 4 - n * 3;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head);
}

void paintFolder(QPainter& p)
{
    drawFolder(p, QRectF(1.5, 2.5, 13, 11), false);
}

void paintDocument(QPainter& p)
{
    drawSheet(p, QRect(3, 1, 10, 14));
    drawLines(p, 5, 10, 5, 4, kGrey);
}

// The comparison page: two sheets side by side with arrows between them.
void paintComparePage(QPainter& p)
{
    drawSheet(p, QRect(0, 2, 7, 10));
    drawSheet(p, QRect(9, 4, 7, 10));
    p.setPen(outlinePen(kBlue));
    p.drawLine(QPointF(5, 13.5), QPointF(10, 13.5));
    drawArrowHead(p, QPointF(12, 13.5), QPointF(1, 0), kBlue);
    p.setPen(outlinePen(kRed));
    p.drawLine(QPointF(11, 1.5), QPointF(6, 1.5));
    drawArrowHead(p, QPointF(4, 1.5), QPointF(-1, 0), kRed);
}

// The empty-item page: a folder and a sheet in dashed outline, with nothing in them.
void paintEmptyItems(QPainter& p)
{
    QPen dashed(kOutline, 1.0, Qt::CustomDashLine);
    dashed.setDashPattern({2, 1});
    p.setPen(dashed);
    p.setBrush(kPaper);
    QPainterPath folder;
    folder.moveTo(0.5, 2.5);
    folder.lineTo(5.5, 2.5);
    folder.lineTo(7, 4);
    folder.lineTo(12.5, 4);
    folder.lineTo(12.5, 12.5);
    folder.lineTo(0.5, 12.5);
    folder.closeSubpath();
    p.drawPath(folder);
    p.drawRect(QRectF(8.5, 7.5, 6, 8));
}

void paintWasteBin(QPainter& p)
{
    QPainterPath body;
    body.moveTo(3.5, 4.5);
    body.lineTo(12.5, 4.5);
    body.lineTo(11.5, 14.5);
    body.lineTo(4.5, 14.5);
    body.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(QColor(190, 200, 210));
    p.drawPath(body);
    p.setPen(outlinePen(QColor(110, 120, 130)));
    for (qreal x : {6.5, 8.0, 9.5})
        p.drawLine(QPointF(x, 6.5), QPointF(x, 12.5));
    p.setPen(outlinePen());
    p.setBrush(QColor(160, 170, 180));
    p.drawRect(QRectF(2.5, 2.5, 11, 2));
    p.drawRect(QRectF(6.5, 1.0, 3, 1.5));
}

void paintHelp(QPainter& p)
{
    p.setPen(outlinePen(kBlue.darker(140)));
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

void paintDelete(QPainter& p)
{
    p.setPen(QPen(kRed, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

// Browse: a folder with a magnifier.
void paintBrowse(QPainter& p)
{
    drawFolder(p, QRectF(0.5, 1.5, 12, 10), false);
    drawMagnifier(p, QPointF(9.5, 9.5), 3.0);
}

// Open containing folder: an open folder.
void paintOpenFolder(QPainter& p)
{
    drawFolder(p, QRectF(1.5, 2.5, 13, 11), true);
}

// The duplicate search page: a document under a magnifier.
void paintSearchPage(QPainter& p)
{
    drawSheet(p, QRect(1, 1, 9, 12));
    drawLines(p, 3, 7, 5, 3, kGrey);
    drawMagnifier(p, QPointF(10, 10), 3.5);
}

void paintCopy(QPainter& p)
{
    drawSheet(p, QRect(1, 1, 9, 11));
    drawLines(p, 3, 7, 5, 2, kGrey);
    drawSheet(p, QRect(6, 4, 9, 11));
    drawLines(p, 8, 12, 8, 3, kBlue);
}

void paintPalette(QPainter& p)
{
    QPainterPath board;
    board.addEllipse(QRectF(1, 2, 14, 12));
    QPainterPath thumb;
    thumb.addEllipse(QRectF(8.5, 9, 3.5, 3));
    p.setPen(outlinePen(QColor(140, 100, 50)));
    p.setBrush(QColor(235, 205, 150));
    p.drawPath(board.subtracted(thumb));
    const std::array<std::pair<QPointF, QColor>, 4> dabs = {{
        {QPointF(4.5, 6.5), kRed},
        {QPointF(8, 4.5), kGreen},
        {QPointF(11.5, 6), kBlue},
        {QPointF(4.5, 10), QColor(240, 200, 0)},
    }};
    p.setPen(Qt::NoPen);
    for (const auto& [centre, colour] : dabs) {
        p.setBrush(colour);
        p.drawEllipse(centre, 1.6, 1.6);
    }
}

// List order: lines of decreasing length beside a downward arrow.
void paintListOrder(QPainter& p)
{
    p.setPen(QPen(kOutline, 2.0, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(1, 3 + 3.3 * i), QPointF(10 - 2 * i, 3 + 3.3 * i));
    p.setPen(QPen(kBlue, 1.5));
    p.drawLine(QPointF(13, 2), QPointF(13, 11));
    drawArrowHead(p, QPointF(13, 15), QPointF(0, 1), kBlue);
}

// Properties: a sheet with a check list.
void paintProperties(QPainter& p)
{
    drawSheet(p, QRect(2, 1, 12, 14));
    p.setPen(outlinePen(kGreen, 1.4));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 5 + 3.5 * i;
        p.drawPolyline(QPolygonF() << QPointF(4, y) << QPointF(5.2, y + 1.3) << QPointF(7, y - 1));
    }
    drawLines(p, 8, 11, 5, 1, kGrey);
    drawLines(p, 8, 11, 8, 1, kGrey);
    drawLines(p, 8, 11, 12, 1, kGrey);
}

// Run: a green arrow to the right.
void paintRun(QPainter& p)
{
    QPolygonF arrow;
    arrow << QPointF(2, 6) << QPointF(8, 6) << QPointF(8, 2.5) << QPointF(14.5, 8)
          << QPointF(8, 13.5) << QPointF(8, 10) << QPointF(2, 10);
    p.setPen(outlinePen(kGreen.darker(140)));
    p.setBrush(kGreen);
    p.drawPolygon(arrow);
}

// Select all: a dashed frame around rows, one marked.
void paintSelectAll(QPainter& p)
{
    QPen dashed(kOutline, 1.0, Qt::DashLine);
    dashed.setDashPattern({2, 2});
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 110, 210));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(3, 3 + 3.5 * i, 10, 2.5));
}

using Painter = void (*)(QPainter&);
constexpr std::array<Painter, imagelist1::Count> kPainters = {
    paintFolder,
    paintDocument,
    paintComparePage,
    paintEmptyItems,
    paintWasteBin,
    paintHelp,
    paintDelete,
    paintBrowse,
    paintOpenFolder,
    paintSearchPage,
    paintCopy,
    paintPalette,
    paintListOrder,
    paintProperties,
    paintRun,
    paintSelectAll,
    [](QPainter& p) { drawTriangle(p, true); },
    [](QPainter& p) { drawTriangle(p, false); },
};

QImage drawPicture(Painter paint)
{
    QImage image(imagelist1::Size, imagelist1::Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return image;
}

} // namespace

const QList<QImage>& ImageList1()
{
    static const QList<QImage> images = [] {
        QList<QImage> list;
        for (Painter paint : kPainters)
            list.append(drawPicture(paint));
        return list;
    }();
    return images;
}

QIcon ImageList1Icon(int index)
{
    return QIcon(QPixmap::fromImage(ImageList1().value(index)));
}

QPixmap ImageList1Glyph(int index, const QColor& face)
{
    QPixmap glyph(imagelist1::Size, imagelist1::Size);
    glyph.fill(face);
    QPainter p(&glyph);
    p.drawImage(0, 0, ImageList1().value(index));
    return glyph;
}
