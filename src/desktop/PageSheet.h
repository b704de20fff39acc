#pragma once
// A page fills its tab sheet: the sheet lays the page out over its whole area.

class QWidget;

void FillTabSheet(QWidget& sheet, QWidget& page);
