#pragma once
// The six pages of PageControl1, in tab order, and what the window shows of each.

#include "desktop/ImageList1.h"

#include <QCoreApplication>
#include <QString>

#include <array>

enum class Page
{
    Compare,    // TabSheet1: folders or files compared entry by entry
    Duplicates, // TabSheet5: identical files and duplicate groups
    EmptyItems, // TabSheet2: empty folders and zero-size files
    Trash,      // TabSheet3: deleted empty items, recreated on request
    Options,    // TabSheet4
    Histories,  // TabSheet6: editing of the path histories
};

constexpr int PageIndex(Page page)
{
    return static_cast<int>(page);
}

// A page's tab sheet name, its tab caption (the catalogue's source text), the anchor of its section
// in the help document and its tab's picture in ImageList1 (kNoTabPicture for none).
struct PageDescription
{
    const char* sheetName;
    const char* caption;
    const char* helpAnchor;
    int tabPicture;
};

inline constexpr int kNoTabPicture = -1;

// In tab order.
inline constexpr std::array<PageDescription, 6> kPageDescriptions{{
    {"TabSheet1", QT_TRANSLATE_NOOP("PageIndex", "ファイルの比較"), "Tessik", kNoTabPicture},
    {"TabSheet5", QT_TRANSLATE_NOOP("PageIndex", "重複と同一ファイルの検索"), "FileKen",
     kNoTabPicture},
    {"TabSheet2", QT_TRANSLATE_NOOP("PageIndex", "空のフォルダとファイル"), "KaraFile",
     imagelist1::EmptyItemsPage},
    {"TabSheet3", QT_TRANSLATE_NOOP("PageIndex", "ごみ箱"), "Gomi", imagelist1::WasteBin},
    {"TabSheet4", QT_TRANSLATE_NOOP("PageIndex", "Option"), "Option", kNoTabPicture},
    {"TabSheet6", QT_TRANSLATE_NOOP("PageIndex", "検索履歴の編集"), "Rireki", kNoTabPicture},
}};

constexpr const PageDescription& DescriptionOf(Page page)
{
    return kPageDescriptions[static_cast<std::size_t>(PageIndex(page))];
}

// The tab caption in the interface language.
inline QString CaptionOf(const PageDescription& page)
{
    return QCoreApplication::translate("PageIndex", page.caption);
}
