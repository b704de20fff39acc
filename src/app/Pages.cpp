#include "app/Pages.h"

#include "compare/ui/ComparePage.h"
#include "desktop/MainContext.h"
#include "duplicates/ui/DupSearchPage.h"
#include "empty/ui/EmptyItemsPage.h"
#include "paths/ui/HistoryPage.h"
#include "trash/ui/TrashPage.h"

// One line per page, e.g.  new ComparePage(*sheets.TabSheet1, context);
// A page without a line keeps its tab sheet empty.
void BuildPages(const PageSheets& sheets, MainContext& context)
{
    new ComparePage(*sheets.TabSheet1, context);
    new DupSearchPage(*sheets.TabSheet5, context);
    new EmptyItemsPage(*sheets.TabSheet2, context);
    new TrashPage(*sheets.TabSheet3, context);
    new HistoryPage(*sheets.TabSheet6, context);
}
