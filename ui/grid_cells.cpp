#include "ui/grid_cells.h"

GridCells::GridCells(int colCount, int rowCount, int fixedCols, bool editable, QObject* parent)
    : QAbstractTableModel(parent), colCount_(colCount), rowCount_(rowCount), fixedCols_(fixedCols),
      editable_(editable)
{
}

QString GridCells::Text(int col, int row) const
{
    const auto it = texts_.find(Key(col, row));
    if (it != texts_.end())
        return it->second;
    return row >= 1 && row <= sourceRows_ ? source_(col, row) : QString();
}

void GridCells::SetRowSource(int rows, RowSource source)
{
    source_ = std::move(source);
    sourceRows_ = rows;
    const int shown = rowCount();
    if (shown == 0)
        return;
    if (fixedCols_ > 0)
        emit headerDataChanged(Qt::Vertical, 0, shown - 1);
    if (columnCount() > 0)
        emit dataChanged(index(0, 0), index(shown - 1, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
}

void GridCells::SetText(int col, int row, const QString& text)
{
    const auto key = Key(col, row);
    const auto it = texts_.find(key);
    if (it == texts_.end() ? text.isEmpty() : it->second == text)
        return;
    if (text.isEmpty())
        texts_.erase(it);
    else if (it == texts_.end())
        texts_.emplace(key, text);
    else
        it->second = text;

    if (col >= colCount_ || row >= rowCount_ || row - fixedRows_ >= rowCount())
        return;
    if (row < fixedRows_ && col >= fixedCols_)
        emit headerDataChanged(Qt::Horizontal, col - fixedCols_, col - fixedCols_);
    else if (col < fixedCols_ && row >= fixedRows_)
        emit headerDataChanged(Qt::Vertical, row - fixedRows_, row - fixedRows_);
    else if (const QModelIndex index = IndexOf(col, row); index.isValid())
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
}

void GridCells::SetRowCount(int count)
{
    if (count == rowCount_)
        return;
    const int shownBefore = rowCount();
    const int shownAfter = ShownRows(count);
    if (shownAfter > shownBefore) {
        beginInsertRows(QModelIndex(), shownBefore, shownAfter - 1);
        rowCount_ = count;
        endInsertRows();
    } else if (shownAfter < shownBefore) {
        beginRemoveRows(QModelIndex(), shownAfter, shownBefore - 1);
        rowCount_ = count;
        endRemoveRows();
    } else {
        rowCount_ = count;
    }
}

void GridCells::SetColCount(int count)
{
    if (count == colCount_)
        return;
    const int shownBefore = columnCount();
    const int shownAfter = std::max(0, count - fixedCols_);
    if (shownAfter > shownBefore) {
        beginInsertColumns(QModelIndex(), shownBefore, shownAfter - 1);
        colCount_ = count;
        endInsertColumns();
    } else if (shownAfter < shownBefore) {
        beginRemoveColumns(QModelIndex(), shownAfter, shownBefore - 1);
        colCount_ = count;
        endRemoveColumns();
    } else {
        colCount_ = count;
    }
}

void GridCells::SetFixedRows(int count)
{
    if (count == fixedRows_)
        return;
    beginResetModel();
    fixedRows_ = count;
    endResetModel();
}

QModelIndex GridCells::IndexOf(int col, int row) const
{
    if (col < fixedCols_ || row < fixedRows_ || col >= colCount_ || row - fixedRows_ >= rowCount())
        return QModelIndex();
    return index(row - fixedRows_, col - fixedCols_);
}

int GridCells::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ShownRows(rowCount_);
}

int GridCells::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(0, colCount_ - fixedCols_);
}

QVariant GridCells::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    return Text(index.column() + fixedCols_, index.row() + fixedRows_);
}

bool GridCells::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    SetText(index.column() + fixedCols_, index.row() + fixedRows_, value.toString());
    return true;
}

QVariant GridCells::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return fixedRows_ > 0 ? Text(section + fixedCols_, 0) : QVariant();
    return fixedCols_ > 0 ? Text(0, section + fixedRows_) : QVariant();
}

Qt::ItemFlags GridCells::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags common = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return editable_ ? common | Qt::ItemIsEditable : common;
}
