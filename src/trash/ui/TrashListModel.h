#pragma once
// The rows of ListView3: a snapshot of the trash list's stored paths, oldest first,
// taken when the view opens. Column 0 "名前" is the path's last component, column 1
// "元の場所" the stored path; the row's picture is the folder or the document of the
// main window's image list.

#include <QAbstractTableModel>
#include <QIcon>

#include <string>
#include <vector>

class TrashListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 2;

    explicit TrashListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<std::string>& paths() const { return paths_; }
    void setPaths(std::vector<std::string> paths);
    // The rows go, the others keep their places in the view's selection.
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

private:
    std::vector<std::string> paths_;
    QIcon folderIcon_;
    QIcon documentIcon_;
};
