#pragma once
// The rows of ListView2 for the view: a table model over the comparison engine's
// rows that holds only a row count, set once a run has finished (the rows may grow
// and move while a run pumps messages, so the view sees none of them until then).
// Texts and colours are built for the rows the view asks about, icons are resolved
// once per row just before the row is first shown (ListView2DataHint).

#include "compare/ComparisonEngine.h"
#include "compare/ui/ComparisonListRules.h"

#include <QAbstractTableModel>
#include <QColor>
#include <array>

class IconLookup;
class ListLook;

class ComparisonListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 6;
    // The fixed yellow of rows whose size, time or attributes differ.
    static QColor differenceColor() { return QColor(252, 226, 48); }

    ComparisonListModel(quorvex::ComparisonEngine& engine, const ListLook& look, IconLookup& icons,
                        QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Display: the Name (column 0) or cell column - 1 (column 5: cell 4); background:
    // the row's shade colour (none for the normal background).
    QVariant data(const QModelIndex& index, int role) const override;
    // Display: the caption; tool tip: for the relation columns, what their words mean.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void setCaption(int column, const QString& caption);

    // The row behind a view row; null outside the rows shown.
    const quorvex::ComparisonRow* row(int index) const;
    // The rows and the texts they share.
    const quorvex::ComparisonList& rows() const { return engine_.rows(); }
    // The text of a view row's column: the Name (column 0) or cell column - 1.
    std::string text(const quorvex::ComparisonRow& row, int column) const;
    // The text shown: the Name marked when the row is not as an opened list says.
    QString shownText(const quorvex::ComparisonRow& row, int column) const;
    quorvex::RowShade shade(int index) const;
    QColor shadeColor(quorvex::RowShade shade) const;

    // ClearResultList: the view's row count becomes 0, then the rows are freed.
    void ClearResultList();
    // After a run: the view learns the row count.
    void showRows();
    // The rows were reordered or their texts changed: repaint what is shown.
    void rowsChanged();

    // "内容を比較する" as the painting reads it.
    bool compareContents() const { return compareContents_; }
    void setCompareContents(bool checked) { compareContents_ = checked; }

    // Resolves the icons of rows first..last that have none yet; true when any changed.
    bool ListView2DataHint(int first, int last);

    const std::string& RootA() const { return engine_.RootA(); }
    const std::string& RootB() const { return engine_.RootB(); }
    // The cells' words in the interface language.
    const quorvex::ComparisonWords& words() const { return words_; }

private:
    quorvex::ComparisonEngine& engine_;
    const ListLook& look_;
    IconLookup& icons_;
    int count_ = 0;
    bool compareContents_ = false;
    std::array<QString, ColumnCount> captions_;
    quorvex::ComparisonWords words_;
    std::array<QString, ColumnCount> headerHints_;
};
