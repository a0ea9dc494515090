// The fit from the keyboard: the worked example, compaction, degenerate input.
#include <QTest>

#include "core/colour.h"
#include "ui_test_helpers.h"

namespace {

using FitTest = MainWindowTest;

TEST_F(FitTest, ThreePointsTypedThroughTheKeyboardGiveTheLine)
{
    EnterPoints("0.03", {{"1", "2"}, {"2", "4.1"}, {"3", "5.9"}});
    EXPECT_EQ(Equation(), EquationCaption("Y=1.95*X+0.1"));
    EXPECT_EQ(Cell1(3, 1), "-0.026");
    EXPECT_EQ(Cell1(3, 2), "0.051");
    EXPECT_EQ(Cell1(3, 3), "-0.026");
    EXPECT_EQ(form->Edit1->text(), "3");

    const TChartSeries& points = form->Chart1->Series1;
    ASSERT_EQ(points.Count(), 3);
    EXPECT_EQ(points.ValueColor(0), clLime);
    EXPECT_EQ(points.ValueColor(1), clRed);
    EXPECT_EQ(points.ValueColor(2), clLime);
    for (const TChartSeries* line : {&form->Chart1->Series2, &form->Chart1->Series3}) {
        ASSERT_EQ(line->Count(), 2);
        EXPECT_DOUBLE_EQ(line->XValue(0), 1);
        EXPECT_DOUBLE_EQ(line->YValue(0), 2.05);
        EXPECT_DOUBLE_EQ(line->XValue(1), 3);
        EXPECT_DOUBLE_EQ(line->YValue(1), 5.95);
    }
    EXPECT_NEAR(form->State.LineClipTop, 5.95, 1e-12);
    EXPECT_NEAR(form->State.LineClipBottom, 2, 1e-12);
}

TEST_F(FitTest, IncompleteRowsAreDroppedAndTheRestRewritten)
{
    form->Edit1->selectAll();
    TypeEnter("5");
    const QString xs[] = {"1.50", "", "2", "3", "4"};
    const QString ys[] = {"3", "5", "4", "", "8"};
    for (int row = 1; row <= 5; ++row) {
        form->StringGrid1->SetCells(1, row, xs[row - 1]);
        form->StringGrid1->SetCells(2, row, ys[row - 1]);
    }
    Press(Qt::Key_F9);
    EXPECT_EQ(form->Edit1->text(), "3");
    EXPECT_EQ(form->StringGrid1->RowCount(), 4);
    EXPECT_EQ(Cell1(1, 1), "1.5");
    EXPECT_EQ(Cell1(1, 2), "2");
    EXPECT_EQ(Cell1(2, 3), "8");
    EXPECT_EQ(Cell1(0, 3), "3");
}

TEST_F(FitTest, NoCompleteRowLeavesOneGridRow)
{
    form->StringGrid1->SetCells(1, 1, "");
    form->StringGrid1->SetCells(1, 2, "");
    Press(Qt::Key_F9);
    EXPECT_EQ(form->Edit1->text(), "0");
    EXPECT_EQ(form->StringGrid1->RowCount(), 1);
    EXPECT_EQ(form->StringGrid1->FixedRows(), 0);
    EXPECT_EQ(Equation(), "Уравнение") << "the F9 in Edit1 reset it; nothing fitted";
}

TEST_F(FitTest, BadToleranceStopsBeforeTheGridIsRead)
{
    ModalBoxCloser closer;
    Focus(form->Edit2);
    form->Edit2->clear();
    Press(Qt::Key_F9);
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_EQ(closer.Boxes()[0].text, "'' is not a valid floating point value.");
    EXPECT_EQ(form->Chart1->Series3.Count(), 0);
}

class DegenerateFitTest : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { Open(GetParam()); }
    QString Num(QString text) const { return text.replace('.', QString::fromUtf8(GetParam())); }
};

TEST_P(DegenerateFitTest, TwoPointsOnOneVerticalGetAThirdPoint)
{
    ModalBoxCloser closer;
    EnterPoints("1", {{"2", "1"}, {"2", "3"}});
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_EQ(closer.Boxes()[0].text, "Вертикальных линий МНК не считает!");
    EXPECT_EQ(closer.Boxes()[0].caption, "Error");
    EXPECT_EQ(closer.Boxes()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(form->Edit1->text(), "3");
    EXPECT_EQ(form->State.PointCount, 3);
    EXPECT_EQ(Cell1(1, 3), Num("10.01"));
    EXPECT_EQ(Cell1(2, 3), Num("10.01"));
    EXPECT_EQ(form->Chart1->Series1.Count(), 3) << "the completed points are fitted";
    EXPECT_TRUE(Equation().startsWith("Уравнение прямой:"));
}

TEST_P(DegenerateFitTest, OnePointGetsASecondAndTenPointZeroOneAlsoAThird)
{
    {
        ModalBoxCloser closer;
        form->StringGrid1->SetCells(1, 1, "1");
        form->StringGrid1->SetCells(2, 1, "2");
        form->StringGrid1->SetCells(1, 2, "");
        Press(Qt::Key_F9);
        ASSERT_EQ(closer.Boxes().size(), 1u);
        EXPECT_EQ(closer.Boxes()[0].text, "Одну точку не считаем!");
        EXPECT_EQ(closer.Boxes()[0].caption, "Error");
    }
    EXPECT_EQ(form->Edit1->text(), "2");
    EXPECT_EQ(Cell1(1, 2), Num("10.01"));
    EXPECT_EQ(form->Chart1->Series1.Count(), 2);

    ModalBoxCloser closer;
    form->StringGrid1->SetCells(1, 1, Num("10.01"));
    form->StringGrid1->SetCells(1, 2, "");
    Press(Qt::Key_F9);
    ASSERT_EQ(closer.Boxes().size(), 2u);
    EXPECT_EQ(closer.Boxes()[1].text, "Вертикальных линий МНК не считает!");
    EXPECT_EQ(form->State.PointCount, 3);
    EXPECT_EQ(Cell1(2, 3), Num("10.01"));
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, DegenerateFitTest, ::testing::Values(".", ","));

}  // namespace
