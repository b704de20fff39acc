#include "app/Pages.h"

#include "app/OptionsPage.h"
#include "compare/ui/ComparePage.h"
#include "desktop/PageServices.h"
#include "duplicates/ui/DupSearchPage.h"
#include "empty/ui/EmptyItemsPage.h"
#include "paths/ui/HistoryPage.h"
#include "trash/ui/TrashPage.h"

namespace {

using PageFactory = void (*)(QWidget& sheet, const PageServices& services);

// A page is a child of its sheet: Qt deletes it with the window.
template <class PageClass> void Build(QWidget& sheet, const PageServices& services)
{
    new PageClass(sheet, services);
}

struct PageFactoryRow
{
    Page page;
    PageFactory build;
};

// One row per page built on the services, in the order they are built (the order in
// which their registrations run: page-change and resize handlers). The Option page
// comes first: it is the source of the look the others' lists draw with.
constexpr PageFactoryRow kPageFactories[] = {
    {Page::Options, &Build<OptionsPage>},      {Page::Compare, &Build<ComparePage>},
    {Page::Duplicates, &Build<DupSearchPage>}, {Page::EmptyItems, &Build<EmptyItemsPage>},
    {Page::Trash, &Build<TrashPage>},          {Page::Histories, &Build<HistoryPage>},
};

constexpr bool EachPageAtMostOnce()
{
    for (std::size_t i = 0; i < std::size(kPageFactories); ++i)
        for (std::size_t j = i + 1; j < std::size(kPageFactories); ++j)
            if (kPageFactories[i].page == kPageFactories[j].page)
                return false;
    return true;
}
static_assert(EachPageAtMostOnce(), "a page listed twice would be built twice on its sheet");

} // namespace

void BuildPages(const PageSheetList& sheets, const PageServices& services)
{
    for (const PageFactoryRow& row : kPageFactories)
        row.build(*sheets.at(static_cast<std::size_t>(PageIndex(row.page))), services);
}
