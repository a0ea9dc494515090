#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <unordered_map>

// The cell texts of a string grid, kept per column and row independent of the
// row and column counts: a text written beyond the counts, or hidden by a
// lower count, is kept and shows again when the count grows. The model shows
// the non-fixed cells; the fixed heading row and the fixed first column are
// the view's headers.
class GridCells : public QAbstractTableModel {
    Q_OBJECT
public:
    GridCells(int colCount, int rowCount, int fixedCols, bool editable, QObject* parent);

    QString Text(int col, int row) const;
    void SetText(int col, int row, const QString& text);

    // Texts that a source gives on demand, for rows too many to keep a text
    // of each: a cell of rows 1..rows that no text was written to shows
    // source(col, row). A new source takes the place of the last one.
    using RowSource = std::function<QString(int col, int row)>;
    void SetRowSource(int rows, RowSource source);

    // The view shows at most this many rows: a count beyond it (which only a
    // mistyped point count can set, right before its range check fails) would
    // have the view build a section for every row.
    static constexpr int MaxShownRows = 1 << 20;

    int RowCount() const { return rowCount_; }
    int ColCount() const { return colCount_; }
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetRowCount(int count);
    void SetColCount(int count);
    void SetFixedRows(int count);

    // The model index of grid cell (col, row); invalid for fixed cells and
    // cells beyond the counts.
    QModelIndex IndexOf(int col, int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int ShownRows(int count) const { return std::clamp(count - fixedRows_, 0, MaxShownRows); }
    static std::uint64_t Key(int col, int row)
    {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(col)) << 32) |
               static_cast<std::uint32_t>(row);
    }

    std::unordered_map<std::uint64_t, QString> texts_;
    RowSource source_;
    int sourceRows_ = 0;
    int colCount_;
    int rowCount_;
    int fixedCols_;
    int fixedRows_ = 1;
    bool editable_;
};
