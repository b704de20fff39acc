#pragma once
// Icon lookups for drawing paths: the icon index of a path in the icon store, with
// the overlay mark, display name and type name that the last lookup found.
// GetCachedIcon asks the desktop once per extension; files whose icon is their own
// (PerFileIconExts) and files without an extension are asked about one by one.
//
// Owned by the main window; the path inputs, history lists and result lists share it.

#include <QHash>
#include <QString>
#include <QStringList>

#include <string>

class SysImageList;

class IconLookup
{
public:
    explicit IconLookup(SysImageList& images);

    // Paths are the exact bytes of the name.
    int GetFileInfoIcon(const std::string& path, bool openIcon);
    int GetPathIcon(const std::string& path, bool openIcon);
    int GetCachedIcon(const std::string& path);

    // Forgets the per-extension answers (at the start of a comparison).
    void clearIconCache() { IconCache_.clear(); }

    // Results of the last lookup: OverlayMark (-1 none, 0 shared folder, 1 link).
    int OverlayIndex() const { return OverlayIndex_; }
    const QString& LastDisplayName() const { return LastDisplayName_; }
    const QString& LastTypeName() const { return LastTypeName_; }

    const QStringList& PerFileIconExts() const { return PerFileIconExts_; }
    // How many times the desktop was asked about a path or a type.
    int desktopQueries() const { return desktopQueries_; }

    SysImageList& images() { return images_; }

private:
    static bool sharesTypeIcon(const std::string& path);

    SysImageList& images_;
    // Extension (case-folded, with its dot) -> icon index.
    QHash<QString, int> IconCache_;
    const QStringList PerFileIconExts_;
    int OverlayIndex_ = -1;
    QString LastDisplayName_;
    QString LastTypeName_;
    int desktopQueries_ = 0;
};

// The extension of the path's last name, with its dot (".txt"), or empty.
QString PathExtension(const std::string& path);
