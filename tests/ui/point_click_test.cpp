// Switching points out of the fit and back in through the chart's click signal.
#include <QTest>

#include "core/colour.h"
#include "ui_test_helpers.h"

namespace {

class PointClickTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        EnterFourPointExample();
    }
    // The chart reports a press on value `index` of a series.
    void Click(TChartSeries& series, int index, Qt::MouseButton button = Qt::LeftButton)
    {
        emit form->Chart1->ClickSeries(&series, index, button, Qt::NoModifier, QPoint(10, 10));
    }
    TChartSeries& Points() { return form->Chart1->Series1; }
};

TEST_F(PointClickTest, ClickSwitchesAPointOutAndBackIn)
{
    Click(Points(), 1, Qt::RightButton);
    EXPECT_EQ(Equation(), EquationCaption("Y=1.9929*X+-0.014286"));
    const QString deviations[] = {"0.011", "0.065", "-0.032", "0.022"};
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(Cell1(3, row), deviations[row - 1]);
    ASSERT_EQ(Points().Count(), 4);
    EXPECT_EQ(Points().ValueColor(0), clLime);
    EXPECT_EQ(Points().ValueColor(1), clSilver);
    EXPECT_EQ(Points().ValueColor(2), clRed);
    EXPECT_EQ(Points().ValueColor(3), clLime);
    const TChartSeries& line = form->Chart1->Series2;
    ASSERT_EQ(line.Count(), 2);
    EXPECT_NEAR(line.XValue(0), 1.010753, 1e-6);
    EXPECT_DOUBLE_EQ(line.YValue(0), 2);
    EXPECT_NEAR(line.YValue(1), 7.957143, 1e-6);
    EXPECT_EQ(form->Chart1->Series3.Count(), 2);
    EXPECT_DOUBLE_EQ(form->Chart1->Series3.YValue(0), 2.03) << "the full fit's ends stay";

    Click(Points(), 1);
    EXPECT_EQ(Equation(), EquationCaption("Y=1.98*X+0.05"));
    EXPECT_NE(Points().ValueColor(1), clSilver);
}

TEST_F(PointClickTest, ClicksOnTheLineAreIgnored)
{
    Click(form->Chart1->Series2, 0);
    Click(form->Chart1->Series3, 1);
    EXPECT_EQ(Equation(), EquationCaption("Y=1.98*X+0.05"));
    EXPECT_EQ(Points().ValueColor(1), clRed);
}

TEST_F(PointClickTest, TooFewPointsLeftFallBackToTheFullFit)
{
    ModalBoxCloser closer;
    Click(Points(), 0);
    Click(Points(), 1);
    Click(Points(), 2);
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_EQ(closer.Boxes()[0].text, "Одну точку не считаем!");
    EXPECT_EQ(closer.Boxes()[0].caption, "Error");
    EXPECT_EQ(Equation(), EquationCaption("Y=1.98*X+0.05"));
    for (int index = 0; index < 4; ++index)
        EXPECT_NE(Points().ValueColor(index), clSilver);
}

TEST_F(PointClickTest, ResultTableFollowsTheRefit)
{
    form->StringGrid3->SetCells(0, 1, "4.01");
    Click(Points(), 1);
    EXPECT_EQ(Cell3(1, 1), "2.019");
}

using VerticalRefitTest = MainWindowTest;

TEST_F(VerticalRefitTest, TwoPointsLeftOnOneVerticalFallBackToTheFullFit)
{
    EnterPoints("1", {{"1", "2"}, {"1", "3"}, {"2", "4"}});
    const QString fitted = Equation();
    ModalBoxCloser closer;
    TChartSeries& points = form->Chart1->Series1;
    emit form->Chart1->ClickSeries(&points, 2, Qt::LeftButton, Qt::NoModifier, QPoint());
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_EQ(closer.Boxes()[0].text, "Вертикальных линий МНК не считает!");
    EXPECT_EQ(Equation(), fitted);
    EXPECT_EQ(form->State.ActiveCount, 3);
}

}  // namespace
