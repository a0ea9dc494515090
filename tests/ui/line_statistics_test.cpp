// The figures of the current line in the equation label's tool tip.
#include <QTest>
#include <QToolTip>

#include "ui_test_helpers.h"

namespace {

class LineStatisticsTest : public MainWindowTest {
protected:
    QString ToolTip() const { return form->Label4->toolTip(); }
    void Click(int index)
    {
        emit form->Chart1->ClickSeries(&form->Chart1->Series1, index, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    }
};

// The four points (1; 2), (2; 4.1), (3; 5.9), (4; 8): s_y = sqrt(0.018),
// t(2; 0.95) = 2.92, t(2; 0.975) = 4.303.
const QString kFourPointFigures = QStringLiteral(
    "Точек в расчете: 4\n"
    "Коэффициент детерминации R²: 0.9990826\n"
    "Остаточное СКО s_y: 0.094868\n"
    "СКО метода s_x0: 0.047913\n"
    "Относительное СКО метода V_x0, %: 1.9165\n"
    "Предел принятия решения: 0.22121\n"
    "Предел обнаружения: 0.44242\n"
    "Предел определения: 0.83134");

TEST_F(LineStatisticsTest, HoveringTheEquationShowsTheFiguresOfTheLine)
{
    EXPECT_EQ(ToolTip(), QString()) << "no line before the first fit";
    EnterFourPointExample();
    EXPECT_EQ(ToolTip(), kFourPointFigures);
    QTest::mouseMove(form->Label4, form->Label4->rect().center());
    QTest::qWait(50);
    QTest::mouseMove(form->Label4, form->Label4->rect().center() + QPoint(1, 0));
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(QToolTip::text(), kFourPointFigures);
}

TEST_F(LineStatisticsTest, NumbersUseTheUsersDecimalSeparator)
{
    Open(",");
    EnterPoints("0,03", {{"1", "2"}, {"2", "4,1"}, {"3", "5,9"}, {"4", "8"}});
    QString expected = kFourPointFigures;
    expected.replace('.', ',');
    EXPECT_EQ(ToolTip(), expected);
}

TEST_F(LineStatisticsTest, RefitShowsThePointsLeftInTheFit)
{
    EnterFourPointExample();
    Click(1);
    EXPECT_TRUE(ToolTip().startsWith("Точек в расчете: 3\n")) << ToolTip().toStdString();
    EXPECT_NE(ToolTip(), kFourPointFigures);
    Click(1);
    EXPECT_EQ(ToolTip(), kFourPointFigures);
}

TEST_F(LineStatisticsTest, DisplayResetLeavesNoFigures)
{
    EnterFourPointExample();
    Focus(form->Edit1);
    Press(Qt::Key_Return);
    EXPECT_EQ(Equation(), "Уравнение");
    EXPECT_EQ(ToolTip(), QString());

    Press(Qt::Key_F9);
    EXPECT_EQ(ToolTip(), kFourPointFigures);
    Focus(form->StringGrid1);
    EXPECT_EQ(ToolTip(), QString()) << "entering the point grid resets the display";
}

TEST_F(LineStatisticsTest, AHorizontalLineLeavesNoFigures)
{
    EnterFourPointExample();
    // New readings without entering the grid, which would reset the display.
    for (int row = 1; row <= 4; ++row)
        form->StringGrid1->SetCells(2, row, "5");
    Focus(form->Edit2);
    ModalBoxCloser closer;
    Press(Qt::Key_F9);
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_EQ(form->State.SlopeA, 0);
    EXPECT_EQ(Equation(), EquationCaption("Y=1.98*X+0.05")) << "the caption keeps the old line";
    EXPECT_EQ(ToolTip(), QString());
}

TEST_F(LineStatisticsTest, AHorizontalRefitLeavesNoFigures)
{
    EnterPoints("0.03", {{"1", "5"}, {"2", "5"}, {"3", "5"}, {"4", "9"}});
    ASSERT_NE(ToolTip(), QString());
    ModalBoxCloser closer;
    Click(3);
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_EQ(form->State.SlopeA, 0);
    EXPECT_EQ(ToolTip(), QString());
}

TEST_F(LineStatisticsTest, FiguresNotDefinedForTheLineShowADash)
{
    EnterPoints("0.03", {{"1", "2"}, {"2", "4"}, {"3", "6"}});
    EXPECT_EQ(ToolTip(), QStringLiteral("Точек в расчете: 3\n"
                                        "Коэффициент детерминации R²: 1\n"
                                        "Остаточное СКО s_y: 0\n"
                                        "СКО метода s_x0: 0\n"
                                        "Относительное СКО метода V_x0, %: 0\n"
                                        "Предел принятия решения: —\n"
                                        "Предел обнаружения: —\n"
                                        "Предел определения: —"));
}

}  // namespace
