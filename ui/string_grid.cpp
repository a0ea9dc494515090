#include "ui/string_grid.h"

#include <QMouseEvent>

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QHeaderView>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

#include "ui/error_box.h"

namespace {

// Row heights and column widths are those of the cells; the grid line after
// each cell takes one pixel more.
constexpr int RowHeight = 17;
constexpr int DefaultColWidth = 25;
constexpr int GridLine = 1;
// A cell's text stands this far in from the cell's left edge and is cut at
// its right edge.
constexpr int TextIndent = 2;
constexpr char Opened[] = "tolvazenOpened";

// The fixed row or column of a grid. Its height (or width) is set, not taken
// from its texts, so no size is measured from them: that measure would use a
// bold font the grid never draws in.
class FixedHeader : public QHeaderView {
public:
    using QHeaderView::QHeaderView;
    QSize sizeHint() const override { return minimumSize(); }
};

}  // namespace

// The in-place editor of a cell: a frameless line edit whose every change is
// stored at once, and whose key presses reach the grid's key handling first.
class TStringGrid::CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        grid_->EditorOpened(editor, index);
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        // Opened with the whole text selected; afterwards it follows the cell.
        auto* line = static_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        if (!line->property(Opened).toBool()) {
            line->setProperty(Opened, true);
            line->setText(text);
            line->selectAll();
        } else if (line->text() != text) {
            line->setText(text);
        }
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        const int styleMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
        QStyleOptionViewItem cell(option);
        cell.rect.adjust(TextIndent - styleMargin, 0, styleMargin, 0);
        painter->save();
        painter->setClipRect(option.rect, Qt::IntersectClip);
        QStyledItemDelegate::paint(painter, cell, index);
        painter->restore();
        grid_->CellDrawn(index);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && grid_->EditorKeyPress(object, static_cast<QKeyEvent*>(event)))
            return true;
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TStringGrid* grid_;
};

TStringGrid::TStringGrid(const Options& options, QWidget* parent)
    : QTableView(parent),
      cells_(new GridCells(options.colCount, options.rowCount, options.fixedCols, options.editing, this)),
      corner_(new QLabel(this)),
      col_(options.fixedCols),
      row_(1)
{
    setHorizontalHeader(new FixedHeader(Qt::Horizontal, this));
    setVerticalHeader(new FixedHeader(Qt::Vertical, this));
    setModel(cells_);
    setItemDelegate(new CellDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // A text wider than its cell is cut at the cell edge, not shortened.
    setTextElideMode(Qt::ElideNone);
    setSelectionBehavior(options.rowSelect ? SelectRows : SelectItems);
    setSelectionMode(options.rowSelect ? SingleSelection : ContiguousSelection);
    setEditTriggers(options.editing ? (AnyKeyPressed | EditKeyPressed | DoubleClicked) : NoEditTriggers);

    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    horizontalHeader()->setDefaultSectionSize(DefaultColWidth + GridLine);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFixedHeight(RowHeight + GridLine);
    verticalHeader()->setDefaultSectionSize(RowHeight + GridLine);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    corner_->setAutoFillBackground(true);
    corner_->setBackgroundRole(QPalette::Button);
    corner_->setContentsMargins(2, 0, 0, 0);
    UpdateHeaders();
    MoveCurrent(col_, row_, false);
}

void TStringGrid::SetCells(int col, int row, const QString& text)
{
    cells_->SetText(col, row, text);
    if (col == 0 && row == 0)
        corner_->setText(text);
}

void TStringGrid::SetRowCount(int count)
{
    count = std::max(count, 1);
    if (count == RowCount())
        return;
    const bool headingRule = count <= FixedRows();
    {
        QScopedValueRollback<bool> quiet(programMove_, true);
        cells_->SetRowCount(count);
        if (headingRule)
            cells_->SetFixedRows(count - 1);
    }
    if (headingRule) {
        UpdateHeaders();
        MoveCurrent(FixedCols(), FixedRows(), false);
    } else if (row_ >= count) {
        MoveCurrent(col_, count - 1, true);
    }
}

void TStringGrid::SetColCount(int count)
{
    count = std::max(count, 1);
    QScopedValueRollback<bool> quiet(programMove_, true);
    cells_->SetColCount(count);
    if (col_ >= count)
        MoveCurrent(count - 1, row_, false);
}

void TStringGrid::SetColWidth(int col, int width)
{
    if (col < FixedCols()) {
        fixedColWidth_ = width;
        UpdateHeaders();
    } else {
        setColumnWidth(col - FixedCols(), width + GridLine);
    }
}

int TStringGrid::ColWidth(int col) const
{
    return col < FixedCols() ? fixedColWidth_ : columnWidth(col - FixedCols()) - GridLine;
}

void TStringGrid::SetSelection(int col, int row)
{
    MoveCurrent(col, row, false);
}

void TStringGrid::MoveCurrent(int col, int row, bool report)
{
    if (report && OnSelectCell) {
        bool canSelect = true;
        OnSelectCell(col, row, canSelect);
    }
    col_ = col;
    row_ = row;
    QScopedValueRollback<bool> quiet(programMove_, true);
    const QModelIndex index = cells_->IndexOf(col, row);
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clear();
}

// A press on the cell that is already current selects it again: the
// selection event runs as for any other cell.
void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    const bool again = pressed.isValid() && pressed == currentIndex();
    QTableView::mousePressEvent(event);
    if (again)
        RunWindowEvent([&] {
            if (OnSelectCell) {
                bool canSelect = true;
                OnSelectCell(col_, row_, canSelect);
            }
        });
}

void TStringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (programMove_ || !current.isValid())
        return;
    const int col = current.column() + FixedCols();
    const int row = current.row() + FixedRows();
    RunWindowEvent([&] {
        if (OnSelectCell) {
            bool canSelect = true;
            OnSelectCell(col, row, canSelect);
        }
    });
    col_ = col;
    row_ = row;
}

// A key press runs the key-down handler once, before the grid's own handling,
// whether a cell is being edited or not:
// - no cell editor open: keyPressEvent runs the handler, then the view's own
//   handling; Enter opens the current cell's editor instead.
// - a cell editor open: the delegate hands the press to EditorKeyPress before
//   the editor sees it. Tab closes the editor and leaves the grid without the
//   handler. Otherwise the handler runs; Enter then closes the editor, and
//   any other key is sent on to the editor. What the editor leaves comes back
//   to keyPressEvent while forwardingKey_ is set, and goes straight on to the
//   view's own handling.
void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    if (forwardingKey_) {
        QTableView::keyPressEvent(event);
        return;
    }
    KeyDown(*event);
    QScopedValueRollback<bool> forwarding(forwardingKey_, true);
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QTableView::keyPressEvent(event);
        return;
    }
    const QModelIndex index = cells_->IndexOf(col_, row_);
    if (index.isValid() && (editTriggers() & EditKeyPressed))
        edit(index);
}

bool TStringGrid::EditorKeyPress(QObject* editor, QKeyEvent* event)
{
    if (forwardingKey_)
        return false;
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        CloseCellEditor();
        focusNextPrevChild(event->key() == Qt::Key_Tab);
        return true;
    }
    QPointer<QObject> target(editor);
    KeyDown(*event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        CloseCellEditor();
        return true;
    }
    if (target) {
        // The editor's own handling; a key it leaves goes on to the grid's.
        QScopedValueRollback<bool> forwarding(forwardingKey_, true);
        QCoreApplication::sendEvent(target, event);
    }
    event->accept();
    return true;
}

void TStringGrid::EditorOpened(QLineEdit* editor, const QModelIndex& index)
{
    editor_ = editor;
    const QPersistentModelIndex cell(index);
    connect(editor, &QLineEdit::textChanged, this, [this, cell](const QString& text) {
        if (cell.isValid())
            cells_->setData(cell, text, Qt::EditRole);
    });
}

void TStringGrid::CloseCellEditor()
{
    if (!Editing() || !editor_)
        return;
    commitData(editor_);
    closeEditor(editor_, QAbstractItemDelegate::NoHint);
}

void TStringGrid::CellDrawn(const QModelIndex& index)
{
    const int col = index.column() + FixedCols();
    const int row = index.row() + FixedRows();
    RunWindowEvent([&] {
        if (OnDrawCell)
            OnDrawCell(col, row);
    });
}

void TStringGrid::UpdateHeaders()
{
    horizontalHeader()->setVisible(FixedRows() > 0);
    verticalHeader()->setVisible(FixedCols() > 0);
    verticalHeader()->setFixedWidth(fixedColWidth_ + GridLine);
    corner_->setText(Cells(0, 0));
    updateGeometries();
}

void TStringGrid::updateGeometries()
{
    QTableView::updateGeometries();
    const bool corner = FixedRows() > 0 && FixedCols() > 0;
    corner_->setVisible(corner);
    if (corner) {
        corner_->setGeometry(frameWidth(), frameWidth(), fixedColWidth_ + GridLine, horizontalHeader()->height());
        corner_->raise();
    }
}
