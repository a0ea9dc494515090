// The result table: blank, keys, "C", the decimals arrows and the readings copy.
#include <QTest>
#include <QPushButton>
#include <QToolButton>

#include "ui_test_helpers.h"

namespace {

class ResultTableTest : public MainWindowTest {
protected:
    // The line Y = 2X + 1 from two typed points, fitted with F9 in the
    // tolerance field (leaving the count field would reset the line).
    void FitTwoPoints()
    {
        Focus(form->Edit2);
        form->StringGrid1->SetCells(1, 1, "1");
        form->StringGrid1->SetCells(2, 1, "3");
        form->StringGrid1->SetCells(1, 2, "2");
        form->StringGrid1->SetCells(2, 2, "5");
        Press(Qt::Key_F9);
        ASSERT_EQ(Equation(), EquationCaption("Y=2*X+1"));
    }
    void EnterReading(const QString& text)
    {
        Type(text);
        Press(Qt::Key_Return);
    }
};

TEST_F(ResultTableTest, ReadingsTurnIntoResultsWithTheBlank)
{
    FitTwoPoints();
    Focus(form->StringGrid3);
    form->StringGrid3->SetSelection(0, 1);
    EnterReading("7");
    EXPECT_EQ(Cell3(1, 1), "3.000");

    Focus(form->Edit3);
    form->Edit3->selectAll();
    Type("2");
    EXPECT_EQ(Cell3(1, 1), "2.000") << "every change of the blank evaluates";
    Press(Qt::Key_Backspace);
    EXPECT_EQ(form->Edit3->text(), "0") << "an empty blank is put back to 0";
    EXPECT_EQ(Cell3(1, 1), "3.000");
    form->Edit3->selectAll();
    Type("-");
    EXPECT_EQ(form->Edit3->text(), "0");
}

TEST_F(ResultTableTest, ResetLineGivesReadingLessBlankAndStopsAtABadReading)
{
    Focus(form->StringGrid3);
    ASSERT_EQ(form->State.SlopeA, 1.0);
    form->StringGrid3->SetRowCount(4);
    form->StringGrid3->SetCells(0, 1, "5");
    form->StringGrid3->SetCells(0, 2, "abc");
    form->StringGrid3->SetCells(1, 2, "old2");
    form->StringGrid3->SetCells(0, 3, "3");
    form->StringGrid3->SetCells(1, 3, "old3");
    Press(Qt::Key_Up);
    EXPECT_EQ(Cell3(1, 1), "5.000");
    EXPECT_EQ(Cell3(0, 2), "0");
    EXPECT_EQ(Cell3(1, 2), "old2");
    EXPECT_EQ(Cell3(1, 3), "old3");
}

TEST_F(ResultTableTest, DownAddsOneRowOnlyOnTheLastRowAndCResetsTheReadings)
{
    FitTwoPoints();
    Focus(form->StringGrid3);
    form->StringGrid3->SetSelection(0, 1);
    Press(Qt::Key_Down);
    EXPECT_EQ(form->StringGrid3->RowCount(), 3);
    EXPECT_EQ(form->StringGrid3->Row(), 2);
    EXPECT_EQ(form->State.ResultRow, 2);
    Press(Qt::Key_Up);
    Press(Qt::Key_Down);
    EXPECT_EQ(form->StringGrid3->RowCount(), 3) << "Down on another row adds none";
    Press(Qt::Key_Down);
    EXPECT_EQ(form->StringGrid3->RowCount(), 4);

    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(form->StringGrid3->RowCount(), 2);
    EXPECT_EQ(form->State.ResultRow, 1) << "the shrink reported the move";
    EXPECT_EQ(Cell3(0, 1), "0");
    Focus(form->StringGrid3);
    Press(Qt::Key_Down);
    EXPECT_EQ(form->StringGrid3->RowCount(), 3);
    EXPECT_EQ(Cell3(0, 2), "0");
}

TEST_F(ResultTableTest, ArrowsChangeTheDecimalsOfResultsAndDeviations)
{
    FitTwoPoints();
    form->StringGrid3->SetCells(0, 1, "8");
    QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(form->State.ResultDecimals, 2);
    EXPECT_EQ(Cell3(1, 1), "3.50");
    EXPECT_EQ(Cell1(3, 1), "0.00");
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(form->State.ResultDecimals, 0);
    EXPECT_EQ(Cell3(1, 1), "4");
    QTest::mouseClick(form->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(Cell3(1, 1), "3.5");
    EXPECT_EQ(Equation(), EquationCaption("Y=2*X+1"));
}

TEST_F(ResultTableTest, ArrowsDoNothingWithoutALine)
{
    QTest::mouseClick(form->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(form->State.ResultDecimals, 3);
}

TEST_F(ResultTableTest, ReadingsCopyFillsOrAppendsAndFits)
{
    form->StringGrid1->SetCells(1, 1, "1");
    form->StringGrid1->SetCells(2, 1, "3");
    form->StringGrid1->SetCells(1, 2, "2");
    form->StringGrid1->SetCells(2, 2, "5");
    QTest::mouseClick(form->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(form->StringGrid3->RowCount(), 3);
    EXPECT_EQ(Cell3(0, 1), "3");
    EXPECT_EQ(Cell3(0, 2), "5");
    EXPECT_EQ(Cell3(1, 2), "2.000") << "the fit evaluated the table";

    QTest::mouseClick(form->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(form->StringGrid3->RowCount(), 5);
    EXPECT_EQ(Cell3(0, 3), "3");
    EXPECT_EQ(Cell3(0, 4), "5");
    EXPECT_EQ(Cell3(0, 1), "3");

    ModalBoxCloser closer;
    form->Edit1->SetText("x");
    QTest::mouseClick(form->SpeedButton3, Qt::LeftButton);
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_EQ(form->StringGrid3->RowCount(), 5);
}

TEST_F(ResultTableTest, LeadingPointOfAReadingGetsAZero)
{
    FitTwoPoints();
    Focus(form->StringGrid3);
    form->StringGrid3->SetSelection(0, 1);
    Type(".5");
    Settle();
    EXPECT_EQ(Cell3(0, 1), "0.5");
}

}  // namespace
