#include "app/Pages.h"

#include "compare/ui/ComparePage.h"
#include "desktop/PageServices.h"
#include "duplicates/ui/DupSearchPage.h"
#include "empty/ui/EmptyItemsPage.h"
#include "paths/ui/HistoryPage.h"
#include "trash/ui/TrashPage.h"

// One line per page, e.g.  new ComparePage(*sheets.TabSheet1, services);
// A page without a line keeps its tab sheet empty.
void BuildPages(const PageSheets& sheets, const PageServices& services)
{
    new ComparePage(*sheets.TabSheet1, services);
    new DupSearchPage(*sheets.TabSheet5, services);
    new EmptyItemsPage(*sheets.TabSheet2, services);
    new TrashPage(*sheets.TabSheet3, services);
    new HistoryPage(*sheets.TabSheet6, services);
}
