#pragma once
// The rows of ListView1: a table model over the EmptyItemList that holds only a row
// count, set when a search has finished (the records grow while the search pumps
// events, so the view sees none of them until then). Icons and type names are looked
// up once per record, for the rows about to be shown (ListView1DataHint).

#include "empty/EmptyItemRecord.h"

#include <QAbstractTableModel>

#include <cstddef>
#include <vector>

class IconLookup;

class EmptyItemListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 4;

    explicit EmptyItemListModel(IconLookup& icons, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Display: Name (NameCellText), TypeName, AttributeText, Path.
    QVariant data(const QModelIndex& index, int role) const override;
    // The name cell: the name, marked when the item is not as an opened list says.
    static QString NameCellText(const quorvex::EmptyItemRecord& record);
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    quorvex::EmptyItemList& EmptyItemList() { return records_; }
    // The record behind a view row; null outside the rows shown.
    const quorvex::EmptyItemRecord* record(int row) const;

    // ClearResultList: the view's row count becomes 0, then the records are freed.
    void ClearResultList();
    // After a search: the view learns the row count.
    void showRecords();
    // Frees the records of the rows (descending), sets the row count once.
    void removeRecords(const std::vector<std::size_t>& descendingRows);

    // Looks up the icons and type names of rows first..last that have none yet; true
    // when any changed.
    bool ListView1DataHint(int first, int last);

private:
    IconLookup& icons_;
    quorvex::EmptyItemList records_;
    int count_ = 0;
};
