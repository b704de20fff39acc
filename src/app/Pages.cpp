#include "app/Pages.h"

#include "app/MainContext.h"

// One line per page, e.g.  new ComparePage(*sheets.TabSheet1, context);
// A page without a line keeps its tab sheet empty.
void BuildPages([[maybe_unused]] const PageSheets& sheets, [[maybe_unused]] MainContext& context) {}
