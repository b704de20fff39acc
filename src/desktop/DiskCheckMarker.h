#pragma once
// The mark the name cell of a result list adds to a row opened from a saved list
// whose item is not as the row says: it vanished, or it changed. Such rows are never
// acted on; the mark tells why.

#include "common/DiskCheck.h"

#include <QString>

// " [なくなりました]", " [変更されています]"; empty for a row as listed.
QString DiskCheckMarker(quorvex::DiskCheck check);
