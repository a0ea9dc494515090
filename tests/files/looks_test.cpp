// What the user sees of the grids' columns and of the fonts.
#include <QFontInfo>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>

#include "chart/design_fonts.h"
#include "data_folder.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

namespace {

using LooksTest = DataFolderTest;

// Left edge of column `col` in the grid, counted from the inside of its frame.
int ColumnLeft(const TStringGrid* grid, int col)
{
    const int firstData = grid->viewport()->x() - grid->frameWidth();
    if (col < grid->FixedCols())
        return 0;
    return firstData + grid->columnViewportPosition(col - grid->FixedCols());
}

// The width of the cell of column `col`: what lies between its left edge and
// the grid line after it.
int ShownCellWidth(const TStringGrid* grid, int col)
{
    if (col < grid->FixedCols())
        return ColumnLeft(grid, col + 1) - ColumnLeft(grid, col) - 1;
    return grid->visualRect(grid->model()->index(0, col - grid->FixedCols())).width();
}

// The columns of the cell's image that hold text: the first and the last.
std::pair<int, int> InkColumns(const QImage& cell, QColor background)
{
    std::pair<int, int> ink{-1, -1};
    for (int x = 0; x < cell.width(); ++x)
        for (int y = 0; y < cell.height(); ++y)
            if (cell.pixelColor(x, y) != background) {
                if (ink.first < 0)
                    ink.first = x;
                ink.second = x;
            }
    return ink;
}

TEST_F(LooksTest, EveryColumnShowsItsDesignWidthOfCell)
{
    Start(ExampleRecord());
    const std::pair<TStringGrid*, std::vector<int>> grids[] = {
        {form->StringGrid1, {25, 56, 55, 55}}, {form->StringGrid2, {23, 91}}, {form->StringGrid3, {59, 57}}};
    for (const auto& [grid, widths] : grids) {
        int left = 0;
        for (int col = 0; col < static_cast<int>(widths.size()); ++col) {
            EXPECT_EQ(ColumnLeft(grid, col), left) << "column " << col;
            EXPECT_EQ(ShownCellWidth(grid, col), widths[col]) << "column " << col;
            left += widths[col] + 1;
        }
    }
}

TEST_F(LooksTest, TheRecordListShowsTheWholeDateAndTime)
{
    Start(ExampleRecord() + ExampleRecord());
    TStringGrid* list = form->StringGrid2;
    ASSERT_EQ(Listed(2), QStringLiteral("05.03.2007  14:27"));
    Settle();
    const QRect cell = list->visualRect(list->model()->index(1, 0));
    const QImage image = list->viewport()->grab(cell).toImage();
    const QColor background = image.pixelColor(image.width() - 1, 0);
    const QRect text = QFontMetrics(list->font()).boundingRect(Listed(2)).translated(2, 0);
    ASSERT_LT(text.right(), cell.width()) << "the text fits its cell 2 pixels in from the left";
    const auto [first, last] = InkColumns(image, background);
    EXPECT_EQ(first, text.left());
    EXPECT_GE(last, text.right() - 1) << "the last digit is drawn whole";
}

// The family the window system really uses for a font.
QString SeenFamily(const QFont& font)
{
    return QFontInfo(font).family();
}

TEST_F(LooksTest, EachDesignFontHasOneStandInInEveryWindow)
{
    Start(ExampleRecord());
    const QString sans = QStringLiteral("Liberation Sans");
    const QString serif = QStringLiteral("Liberation Serif");
    EXPECT_EQ(SeenFamily(form->font()), sans);
    EXPECT_EQ(SeenFamily(form->StringGrid2->font()), sans);
    EXPECT_EQ(SeenFamily(form->BitBtn1->font()), sans);
    EXPECT_EQ(SeenFamily(form->Chart1->font()), sans);
    EXPECT_EQ(SeenFamily(Form3->font()), sans);
    EXPECT_EQ(SeenFamily(Form3->Memo1->font()), sans);
    EXPECT_EQ(SeenFamily(Form2->font()), sans);
    EXPECT_EQ(SeenFamily(Form2->Memo1->font()), serif) << "Times New Roman";
}

}  // namespace
