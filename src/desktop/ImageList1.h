#pragma once
// The main window's image list: 18 pictures of 16 x 16 pixels, 32-bit with alpha,
// drawn in code. Indices with a fixed role:
//   0 folder, 1 document, 2 and 9 the history page's two page buttons, 3 the
//   empty-item page's tab, 4 waste bin (also the trash page's tab), 5 help, 6 delete,
//   7 browse, 10 copy, 11 palette, 12 list order, 13 properties, 15 select all,
//   16 downward triangle (descending sort), 17 upward triangle (ascending sort). The
//   others: 8 open containing folder, 14 run.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>

namespace imagelist1 {
inline constexpr int Count = 18;
inline constexpr int Size = 16;
inline constexpr int Folder = 0;
inline constexpr int Document = 1;
inline constexpr int ComparePage = 2;
inline constexpr int EmptyItemsPage = 3;
inline constexpr int WasteBin = 4;
inline constexpr int Help = 5;
inline constexpr int Delete = 6;
inline constexpr int Browse = 7;
inline constexpr int OpenFolder = 8;
inline constexpr int SearchPage = 9;
inline constexpr int Copy = 10;
inline constexpr int Palette = 11;
inline constexpr int ListOrder = 12;
inline constexpr int Properties = 13;
inline constexpr int Run = 14;
inline constexpr int SelectAll = 15;
inline constexpr int SortDescending = 16;
inline constexpr int SortAscending = 17;
} // namespace imagelist1

// The pictures (ARGB32 premultiplied), drawn once on first use. Needs a
// QGuiApplication.
const QList<QImage>& ImageList1();

QIcon ImageList1Icon(int index);

// A button glyph: a 16 x 16 picture filled with `face` (the button-face colour) with
// picture `index` drawn on it.
QPixmap ImageList1Glyph(int index, const QColor& face);
