#pragma once
// The program's store of small item icons, handed out as integer indices so that
// records and list rows keep a plain number: the icon theme's icons (POSIX) or the
// system image list's (Windows). The same icon name always yields the same index.
// Also draws the overlay marks.

#include <QHash>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QStringList>

#include <functional>

class QPainter;
class QPoint;

// Overlay marks drawn over an item icon.
namespace OverlayMark {
inline constexpr int None = -1;
inline constexpr int SharedFolder = 0; // not detected on this system
inline constexpr int Link = 1;
} // namespace OverlayMark

class SysImageList
{
public:
    static constexpr int IconSize = 16;

    // Makes sure the icon theme can be found (see EnsureIconTheme) before the first
    // icon is loaded. Needs a QGuiApplication.
    SysImageList();

    // The index of the first icon in `names` that the theme has; when it has none,
    // the style's generic folder or file icon.
    int indexOf(const QStringList& names, bool folder);
    // The index of the icon kept under `key`; `load` makes it the first time.
    int indexOf(const QString& key, const std::function<QIcon()>& load);

    int count() const { return static_cast<int>(icons_.size()); }
    bool isValidIndex(int index) const { return index >= 0 && index < count(); }
    QIcon icon(int index) const;
    // The icon at 16 x 16 pixels; a null pixmap for an invalid index.
    QPixmap pixmap(int index) const;
    // An overlay mark as a 16 x 16 picture, transparent except for the mark, to be
    // drawn over an icon at the same place; null for OverlayMark::None.
    QPixmap overlayPixmap(int overlayIndex) const;

    void draw(QPainter& painter, const QPoint& topLeft, int index) const;
    void drawOverlay(QPainter& painter, const QPoint& topLeft, int overlayIndex) const;

private:
    QList<QIcon> icons_;
    QHash<QString, int> indexByName_;
    mutable QHash<int, QPixmap> pixmaps_;
    mutable QHash<int, QPixmap> overlays_;
};

// POSIX: puts /usr/share/icons on the icon search path and names the "Adwaita" theme
// when the platform names none (or only the bare "hicolor" fallback), as offscreen or
// under a bare X server. Windows: nothing (the shell's icons need no theme).
void EnsureIconTheme();
