#pragma once
// The properties window of an item: icon, name, type, location, size, times,
// attribute letters, permissions, owner and link target. Each value is read-only
// text that can be selected and copied and that a screen reader reads under its
// caption. Modeless; it deletes itself when closed.

#include "platform/FileSystem.h"

#include <QDialog>

#include <string>

class SysImageList;

class ItemPropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    // `path` is the exact bytes of the name, `entry` what the file system says of it.
    ItemPropertiesDialog(QWidget* owner, SysImageList& images, const std::string& path,
                         const quorvex::platform::DirEntry& entry);

    // The shown text of a row ("名前", "種類", "場所", "サイズ", "画像サイズ", "更新日時",
    // "アクセス日時", "属性の変更日時", "属性", "アクセス権", "所有者", "リンク先"); empty
    // when the row is absent.
    QString valueOf(const QString& label) const;
};

// Opens the system's property sheet of an item where the desktop has one (Windows),
// else this properties window; nothing for an empty path or, in the window, an item
// that no longer exists.
void ShowItemProperties(QWidget* owner, SysImageList& images, const std::string& path);
