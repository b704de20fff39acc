#pragma once
// Reading and selecting the rows of a list view in GUI tests, and the trash file as
// the program would read it back.

#include "trash/TrashStore.h"

#include <QAbstractItemView>
#include <QStringList>

#include <initializer_list>
#include <string>
#include <vector>

namespace quorvex::test {

// The display texts of one column, top to bottom.
inline QStringList ColumnTexts(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

// Adds whole rows to the view's selection.
inline void SelectRows(QAbstractItemView& view, std::initializer_list<int> rows)
{
    for (int row : rows)
        view.selectionModel()->select(view.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

inline std::vector<std::string> TrashFileEntries(const std::string& file)
{
    TrashList trash;
    LoadTrashList(trash, file);
    return trash.entries();
}

} // namespace quorvex::test
