#pragma once
// The pages the window builds on the shared services, one factory each. See
// PageServices.h for how a page plugs in.

#include "desktop/PageIndex.h"

#include <array>

class QWidget;
struct PageServices;

// The window's tab sheets, in tab order (kPageDescriptions).
using PageSheetList = std::array<QWidget*, kPageDescriptions.size()>;

// Builds every page of the list into its tab sheet.
void BuildPages(const PageSheetList& sheets, const PageServices& services);
