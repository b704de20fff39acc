#pragma once
// The icon of a selected, hidden or overlaid row of a result list: the item icon
// blended toward white (hidden) or navy (selected), its transparent parts white, with
// the overlay mark on top.

#include <QImage>

class SysImageList;

QImage CompositeIcon(const SysImageList& images, bool selected, bool hidden, int overlayIndex,
                     int iconIndex);

// Whether a row needs the composite icon rather than the plain one.
inline bool NeedsCompositeIcon(bool selected, bool hidden, int overlayIndex)
{
    return selected || hidden || overlayIndex != -1;
}
