#include "compare/ui/ComparisonListModel.h"

#include "desktop/DiskCheckMarker.h"
#include "desktop/IconLookup.h"
#include "desktop/ListLook.h"
#include "platform/desktop/ShownText.h"

using quorvex::ComparisonRow;
using quorvex::RowShade;

ComparisonListModel::ComparisonListModel(quorvex::ComparisonEngine& engine, const ListLook& look,
                                         IconLookup& icons, QObject* parent)
    : QAbstractTableModel(parent), engine_(engine), look_(look),
      icons_(icons), captions_{tr("名前 A"), tr("名前 B"),       tr("サイズ"),
                               tr("更新日"), tr("ファイル属性"), tr("内容(%)")},
      words_{TextBytes(tr("大-小")), TextBytes(tr("小-大")), TextBytes(tr("新-旧")),
             TextBytes(tr("旧-新")), TextBytes(tr(" 同")),   TextBytes(tr("なし")),
             TextBytes(captions_[5])}
{
    // The relation cells are short words; the headers say what they compare.
    const auto word = [](const std::string& text) { return ShownText(text).trimmed(); };
    headerHints_[2] = tr("A のサイズを B と比べた結果（%1：A が大きい、%2：A が小さい、%3：同じ）")
                          .arg(word(words_.larger), word(words_.smaller), word(words_.same));
    headerHints_[3] = tr("A の更新日時を B と比べた結果（%1：A が新しい、%2：A が古い、%3：同じ）")
                          .arg(word(words_.newer), word(words_.older), word(words_.same));
    headerHints_[4] = tr("A と B の属性（%1：同じ、違うときは A-B）。A アーカイブ、D フォルダ、"
                         "H 隠し、R 読み取り専用、N 標準、S システム、T 一時")
                          .arg(word(words_.same));
}

int ComparisonListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count_;
}

int ComparisonListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const ComparisonRow* ComparisonListModel::row(int index) const
{
    if (index < 0 || index >= count_)
        return nullptr;
    return &engine_.rows()[static_cast<std::size_t>(index)];
}

RowShade ComparisonListModel::shade(int index) const
{
    const ComparisonRow* shown = row(index);
    return shown ? quorvex::ComparisonRowShade(*shown, compareContents_) : RowShade::Normal;
}

QColor ComparisonListModel::shadeColor(RowShade shade) const
{
    switch (shade) {
    case RowShade::Missing:
        return look_.missingColor();
    case RowShade::Difference:
        return differenceColor();
    case RowShade::Match:
        return look_.matchColor();
    case RowShade::Normal:
        break;
    }
    return QColor();
}

QVariant ComparisonListModel::data(const QModelIndex& index, int role) const
{
    const ComparisonRow* shown = row(index.row());
    if (!shown || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return shownText(*shown, index.column());
    case Qt::BackgroundRole: {
        const QColor color = shadeColor(shade(index.row()));
        return color.isValid() ? QVariant(color) : QVariant();
    }
    default:
        return {};
    }
}

std::string ComparisonListModel::text(const ComparisonRow& row, int column) const
{
    const quorvex::ComparisonList& rows = engine_.rows();
    return column == 0 ? rows.name(row, words_) : rows.cell(row, column - 1, words_);
}

QString ComparisonListModel::shownText(const ComparisonRow& row, int column) const
{
    const QString shown = ShownText(text(row, column));
    return column == 0 ? shown + DiskCheckMarker(row.check()) : shown;
}

QVariant ComparisonListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    const auto column = static_cast<std::size_t>(section);
    if (role == Qt::ToolTipRole && !headerHints_[column].isEmpty())
        return headerHints_[column];
    return role == Qt::DisplayRole ? QVariant(captions_[column]) : QVariant();
}

void ComparisonListModel::setCaption(int column, const QString& caption)
{
    captions_.at(static_cast<std::size_t>(column)) = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void ComparisonListModel::ClearResultList()
{
    beginResetModel();
    count_ = 0;
    endResetModel();
    engine_.rows().clear();
}

void ComparisonListModel::showRows()
{
    beginResetModel();
    count_ = static_cast<int>(engine_.rows().size());
    endResetModel();
}

void ComparisonListModel::rowsChanged()
{
    if (count_ > 0)
        emit dataChanged(index(0, 0), index(count_ - 1, ColumnCount - 1));
}

bool ComparisonListModel::ListView2DataHint(int first, int last)
{
    bool changed = false;
    for (int index = std::max(first, 0); index <= last && index < count_; ++index) {
        ComparisonRow& shown = engine_.rows()[static_cast<std::size_t>(index)];
        if (shown.iconIndex != -1)
            continue;
        const std::string path =
            quorvex::RowSidePath(engine_.rows(), shown, quorvex::IconSide(shown), RootA(), RootB());
        shown.iconIndex = icons_.GetCachedIcon(path);
        shown.overlayIndex = icons_.OverlayIndex();
        changed = true;
    }
    return changed;
}
