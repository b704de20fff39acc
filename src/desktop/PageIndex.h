#pragma once
// The six pages of PageControl1, in tab order.

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
