#pragma once
// The rows of ListView4 for the view: a table model over DupList that holds only a
// row count, set once a search has finished (the records grow and are pruned while
// a search pumps events, so the view sees none of them until then). Cell texts and
// row colours are made for the rows the view asks about; icons are looked up once
// per row, just before the row is first shown (ListView4DataHint).

#include "duplicates/DupRecord.h"

#include <QAbstractTableModel>
#include <QColor>

#include <string>
#include <vector>

class IconLookup;
class ListLook;

class DupListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // 0 名前, 1 内容(%), 2 サイズ, 3 更新日, 4 Path, 5 重複.
    static constexpr int ColumnCount = 6;
    static constexpr int GroupColumn = 5;

    DupListModel(quorvex::DupList& list, const ListLook& look, IconLookup& icons,
                 QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Display: the cell text; alignment: right for the size; background: the row
    // colour (none for the list's own background).
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The record behind a view row; null outside the rows shown.
    const quorvex::TDupRecord* record(int row) const;
    // The text a cell shows: the size through the size rule of "サイズは、バイト単位で
    // 表示する"; the group cell only after a duplicate search; after the name, what
    // became of a file that was replaced or moved since the search.
    QString cellText(int row, int column) const;
    // The band colour of a duplicate result (band "0": the colour of Panel1, else
    // white); invalid for the list's own background.
    QColor rowColor(int row) const;
    // Folder followed by name, as the bytes of the path.
    std::string RecordPath(int row) const;

    // False after an identical-file search, true after a duplicate search.
    bool DupMode() const { return DupMode_; }
    void setDupMode(bool on) { DupMode_ = on; }

    // ClearResultList: the view's row count becomes 0, then the records are freed.
    void ClearResultList();
    // After a search, or after rows were acted on: the view learns the rows anew.
    void showRows();
    // The rows were reordered: repaint what is shown.
    void rowsChanged();

    // Looks up the icons of rows first..last that have none yet; true when any changed.
    bool ListView4DataHint(int first, int last);

private:
    quorvex::DupList& list_;
    const ListLook& look_;
    IconLookup& icons_;
    int count_ = 0;
    bool DupMode_ = false;
};
