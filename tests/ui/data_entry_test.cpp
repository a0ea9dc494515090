// The count field, the tolerance field and the point grid from the keyboard.
#include <QTest>
#include <QToolButton>

#include "ui_test_helpers.h"

namespace {

using EntryTest = MainWindowTest;

TEST_F(EntryTest, CountWithEnterShowsTheRowsAndResetsTheDisplay)
{
    form->Edit1->selectAll();
    TypeEnter("5");
    EXPECT_EQ(QApplication::focusWidget(), form->Edit1);
    EXPECT_EQ(form->StringGrid1->RowCount(), 6);
    EXPECT_EQ(form->State.PointCount, 5);
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(Cell1(0, row), QString::number(row));
        EXPECT_EQ(Cell1(1, row), "0");
        EXPECT_EQ(Cell1(2, row), "0");
    }
    EXPECT_EQ(Equation(), "Уравнение");
    EXPECT_EQ(form->State.SlopeA, 1.0);

    form->Edit1->selectAll();
    TypeEnter("120");
    EXPECT_EQ(Cell1(2, 100), "0");
    EXPECT_EQ(Cell1(2, 101), "");
    EXPECT_EQ(Cell1(0, 120), "120");
}

TEST_F(EntryTest, CountsBeyondTheCounterRangeFailAfterTheRowCountChanged)
{
    ModalBoxCloser closer;
    form->Edit1->SetText("1000000000");
    Press(Qt::Key_Return);
    form->Edit1->SetText("2147483647");
    Press(Qt::Key_Return);
    ASSERT_EQ(closer.Boxes().size(), 2u);
    EXPECT_EQ(closer.Boxes()[0].text, "Range check error.");
    EXPECT_EQ(closer.Boxes()[1].text, "Integer overflow.");
    EXPECT_EQ(form->StringGrid1->RowCount(), 1000000001);
    EXPECT_EQ(form->State.PointCount, 2);
}

TEST_F(EntryTest, CountWithF9FitsAndTabResetsAgain)
{
    form->StringGrid1->SetCells(1, 3, "3");
    form->StringGrid1->SetCells(2, 3, "6");
    form->StringGrid1->SetCells(1, 1, "1");
    form->StringGrid1->SetCells(2, 1, "2");
    form->StringGrid1->SetCells(1, 2, "");
    form->Edit1->selectAll();
    Type("3");
    Press(Qt::Key_F9, Qt::ShiftModifier);
    EXPECT_EQ(form->State.PointCount, 2) << "rows with an empty cell are dropped";
    EXPECT_EQ(Equation(), EquationCaption("Y=2*X+0"));
    EXPECT_EQ(form->Chart1->Series1.Count(), 2);

    Press(Qt::Key_Tab);
    EXPECT_EQ(Equation(), "Уравнение");
    EXPECT_EQ(form->Chart1->Series1.Count(), 0);
    EXPECT_EQ(form->Chart1->Series3.Count(), 2) << "the end markers stay";
}

TEST_F(EntryTest, CalculatorButtonUsesTheCountAppliedLast)
{
    form->StringGrid1->SetCells(1, 2, "2");
    form->StringGrid1->SetCells(2, 2, "4");
    form->Edit1->selectAll();
    Type("5");
    QTest::mouseClick(form->ToolButton3, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), form->Edit1);
    EXPECT_EQ(form->State.PointCount, 2);
    EXPECT_EQ(Equation(), EquationCaption("Y=2*X+0"));
}

TEST_F(EntryTest, EnterWalksThePointGridAndCalculatesInTheLastCell)
{
    form->Edit1->selectAll();
    TypeEnter("4");
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->StringGrid1);
    EXPECT_EQ(form->StringGrid1->Col(), 1);
    EXPECT_EQ(form->StringGrid1->Row(), 1);
    form->StringGrid1->SetSelection(1, 3);
    form->State.EntryRow = 3;
    Press(Qt::Key_Return);
    EXPECT_EQ(form->StringGrid1->Col(), 2);
    EXPECT_EQ(form->StringGrid1->Row(), 3);
    Press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(form->StringGrid1->Col(), 1);
    EXPECT_EQ(form->StringGrid1->Row(), 4);
    Press(Qt::Key_Right);
    EXPECT_EQ(form->State.EntryCol, 2) << "arrow moves report the cell";
    EXPECT_EQ(Equation(), "Уравнение");
    {
        ModalBoxCloser closer;
        Press(Qt::Key_Return);
    }
    EXPECT_EQ(form->StringGrid1->Row(), 4);
    EXPECT_EQ(form->StringGrid1->Col(), 2);
    EXPECT_EQ(form->State.PointCount, 4);
    EXPECT_EQ(form->State.FitDenominator, 0.0) << "four zero points were fitted";
}

TEST_F(EntryTest, EnterInTheDeviationColumnStays)
{
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    QTest::mouseClick(form->StringGrid1->viewport(), Qt::LeftButton, {},
                      form->StringGrid1->visualRect(form->StringGrid1->model()->index(0, 2)).center());
    ASSERT_EQ(form->State.EntryCol, 3);
    Press(Qt::Key_Return);
    EXPECT_EQ(form->StringGrid1->Col(), 3);
    EXPECT_EQ(form->StringGrid1->Row(), 1);
}

TEST_F(EntryTest, DeleteThenF9DropsTheRow)
{
    EnterPoints("0.03", {{"1", "2"}, {"2", "4.1"}, {"3", "5.9"}});
    form->StringGrid1->SetSelection(2, 2);
    form->State.EntryCol = 2;
    form->State.EntryRow = 2;
    Press(Qt::Key_F2);
    ASSERT_TRUE(form->StringGrid1->Editing());
    Press(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(Cell1(2, 2), "");
    Press(Qt::Key_F9);
    EXPECT_EQ(form->State.PointCount, 2);
    EXPECT_EQ(form->Edit1->text(), "2");
    EXPECT_EQ(form->StringGrid1->RowCount(), 3);
    EXPECT_EQ(Cell1(0, 2), "2");
    EXPECT_EQ(Cell1(1, 2), "3");
    EXPECT_EQ(Cell1(2, 2), "5.9");
}

TEST_F(EntryTest, LeadingPointGetsAZeroWhenDrawn)
{
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    Type(".5");
    Settle();
    EXPECT_EQ(Cell1(1, 1), "0.5");
    Press(Qt::Key_Return);
    Type("-.5");
    Press(Qt::Key_Return);
    Settle();
    EXPECT_EQ(Cell1(2, 1), "-.5");
}

TEST_F(EntryTest, F9OutsideThePointEntryDoesNothing)
{
    form->StringGrid1->SetCells(1, 2, "2");
    Focus(form->Edit3);
    Press(Qt::Key_F9);
    Focus(form->StringGrid3);
    Press(Qt::Key_F9);
    EXPECT_EQ(form->Chart1->Series1.Count(), 0);
}

}  // namespace
