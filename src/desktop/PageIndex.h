#pragma once
// The six pages of PageControl1, in tab order, and what the window shows of each.

#include "desktop/ImageList1.h"

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

// A page's tab sheet name, its tab caption (UTF-8), the anchor of its section in the
// help document and its tab's picture in ImageList1 (kNoTabPicture for none).
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
    {"TabSheet1", "ファイルの比較", "Tessik", kNoTabPicture},
    {"TabSheet5", "重複と同一ファイルの検索", "FileKen", kNoTabPicture},
    {"TabSheet2", "空のフォルダとファイル", "KaraFile", imagelist1::EmptyItemsPage},
    {"TabSheet3", "ごみ箱", "Gomi", imagelist1::WasteBin},
    {"TabSheet4", "Option", "Option", kNoTabPicture},
    {"TabSheet6", "検索履歴の編集", "Rireki", kNoTabPicture},
}};

constexpr const PageDescription& DescriptionOf(Page page)
{
    return kPageDescriptions[static_cast<std::size_t>(PageIndex(page))];
}
