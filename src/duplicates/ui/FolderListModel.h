#pragma once
// The rows of a folder search for the folder list: folder, size, files, relation and
// group, sortable by any column (groups stay apart by their label). The model shows
// the rows of a FolderGroups that outlives it, in an order of its own.

#include "desktop/ListLook.h"
#include "duplicates/FolderGroups.h"

#include <QAbstractTableModel>

#include <vector>

class FolderListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        FolderColumn,
        SizeColumn,
        FilesColumn,
        RelationColumn,
        GroupColumn,
        ColumnCount
    };

    explicit FolderListModel(const ListLook& look, QObject* parent = nullptr);

    // Shows `rows` (null: none) in their own order.
    void setRows(const std::vector<quorvex::FolderRow>* rows);
    // The position in the shown rows of view row `row`.
    std::size_t sourceRow(int row) const { return order_.at(static_cast<std::size_t>(row)); }
    // The rows in the view's order.
    std::vector<quorvex::FolderRow> rowsInOrder() const;
    static QString relationText(const quorvex::FolderRow& row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    const ListLook& look_;
    const std::vector<quorvex::FolderRow>* rows_ = nullptr;
    std::vector<std::size_t> order_;
};
