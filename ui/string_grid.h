#pragma once

#include <QLabel>
#include <QPointer>
#include <QTableView>
#include <functional>

#include "ui/grid_cells.h"
#include "ui/window_control.h"

class QLineEdit;

// A string grid: one fixed heading row, an optional fixed first column, cell
// texts kept independent of the counts, in-place editing in which every
// change reaches the stored text at once, the control events (key down
// before the grid's own key handling, also while a cell is being edited) and
// the grid's own: cell selection and cell drawn.
//
// Shrinking follows two rules. A row count set to no more than the fixed-row
// count lowers the fixed-row count to one less than the new count and makes
// the first non-fixed cell current without a selection event. Otherwise a row
// count set at or below the current row moves the current cell to the new
// last row and reports that move as a cell selection before the row count
// change returns.
class TStringGrid : public QTableView, public WindowControl {
    Q_OBJECT
public:
    struct Options {
        int colCount = 2;
        int rowCount = 2;
        int fixedCols = 0;
        bool editing = true;
        bool rowSelect = false;
    };
    TStringGrid(const Options& options, QWidget* parent);

    QString Cells(int col, int row) const { return cells_->Text(col, row); }
    void SetCells(int col, int row, const QString& text);
    // Rows 1..rows show the source's texts where no text was set (GridCells).
    void SetRowSource(int rows, GridCells::RowSource source) { cells_->SetRowSource(rows, std::move(source)); }

    int RowCount() const { return cells_->RowCount(); }
    void SetRowCount(int count);
    int ColCount() const { return cells_->ColCount(); }
    void SetColCount(int count);
    int FixedRows() const { return cells_->FixedRows(); }
    int FixedCols() const { return cells_->FixedCols(); }
    void SetColWidth(int col, int width);
    int ColWidth(int col) const;

    // The current cell.
    int Col() const { return col_; }
    int Row() const { return row_; }
    // Makes (col, row) the current and only selected cell; no selection event.
    void SetSelection(int col, int row);
    bool Editing() const { return state() == EditingState; }

    // The current cell is moving to (col, row) by mouse, key or a shrinking row count.
    std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
    // A cell was drawn in the ordinary way.
    std::function<void(int col, int row)> OnDrawCell;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;
    // Typing never moves the current cell to a cell whose text it begins.
    void keyboardSearch(const QString&) override {}

private:
    // The cell editor's delegate: it draws the cells and hands the editor's
    // key presses to EditorKeyPress.
    class CellDelegate;

    void EditorOpened(QLineEdit* editor, const QModelIndex& index);
    // A key press in the cell editor: true when the grid has dealt with it.
    bool EditorKeyPress(QObject* editor, QKeyEvent* event);
    void CellDrawn(const QModelIndex& index);
    void MoveCurrent(int col, int row, bool report);
    void CloseCellEditor();
    void UpdateHeaders();

    GridCells* cells_;
    QLabel* corner_;
    QPointer<QLineEdit> editor_;
    int col_;
    int row_;
    int fixedColWidth_ = 25;
    bool programMove_ = false;
    // A key press whose key-down handler has run is on its way through the
    // editor's and the grid's own handling.
    bool forwardingKey_ = false;
};
