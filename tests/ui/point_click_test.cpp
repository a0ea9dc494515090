// Points switched out of the fit and back in: through the chart's click
// signal, and by real mouse presses on the chart of the main window.
#include <QTest>

#include "core/colour.h"
#include "ui_test_helpers.h"

namespace {

// The window's point series and what each of its points shows.
class PointSwitchTest : public MainWindowTest {
protected:
    TChartSeries& Points() { return form->Chart1->Series1; }
    std::vector<Colour> Colours()
    {
        std::vector<Colour> colours;
        for (int i = 0; i < Points().Count(); ++i)
            colours.push_back(Points().ValueColor(i));
        return colours;
    }
    // The worked example refitted without point 2: equation, deviations,
    // colours and the line's ends.
    void ExpectPointTwoOut()
    {
        EXPECT_EQ(Equation(), EquationCaption("Y=1.9929*X+-0.014286"));
        const QString deviations[] = {"0.011", "0.065", "-0.032", "0.022"};
        for (int row = 1; row <= 4; ++row)
            EXPECT_EQ(Cell1(3, row), deviations[row - 1]);
        EXPECT_EQ(Colours(), (std::vector<Colour>{clLime, clSilver, clRed, clLime}));
        const TChartSeries& line = form->Chart1->Series2;
        ASSERT_EQ(line.Count(), 2);
        EXPECT_NEAR(line.XValue(0), 1.010753, 1e-6);
        EXPECT_DOUBLE_EQ(line.YValue(0), 2);
        EXPECT_NEAR(line.YValue(1), 7.957143, 1e-6);
    }
};

// The chart's click signal, after the worked example was fitted.
class PointClickTest : public PointSwitchTest {
protected:
    void SetUp() override
    {
        PointSwitchTest::SetUp();
        EnterFourPointExample();
    }
    // The chart reports a press on value `index` of a series.
    void Click(TChartSeries& series, int index, Qt::MouseButton button = Qt::LeftButton)
    {
        emit form->Chart1->ClickSeries(&series, index, button, Qt::NoModifier, QPoint(10, 10));
    }
};

TEST_F(PointClickTest, ClickSwitchesAPointOutAndBackIn)
{
    Click(Points(), 1, Qt::RightButton);
    ASSERT_NO_FATAL_FAILURE(ExpectPointTwoOut());
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

// Real mouse presses on the chart.
class ChartWindowTest : public PointSwitchTest {
protected:
    TChart& Chart() { return *form->Chart1; }
    QPoint PointPixel(int index) { return Chart().ValuePosition(Points(), index); }
    void PressAt(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(&Chart(), button, {}, at);
        QTest::mouseRelease(&Chart(), button, {}, at);
    }
    // One error box with `text` was shown, then the full fit brought all
    // three points back in.
    void ExpectFullFitAfterBox(const ModalBoxCloser& closer, const QString& text, const QString& fitted)
    {
        ASSERT_EQ(closer.Boxes().size(), 1u);
        EXPECT_EQ(closer.Boxes()[0].text, text);
        EXPECT_EQ(Equation(), fitted);
        EXPECT_EQ(form->State.ActiveCount, 3);
        for (Colour c : Colours())
            EXPECT_NE(c, clSilver);
    }
};

// The points (1; 2), (2; 4.1), (3; 5.9), (4; 8) with tolerance 0.03, fitted
// to Y=1.98*X+0.05.
class WorkedExample : public ChartWindowTest {
protected:
    void SetUp() override
    {
        ChartWindowTest::SetUp();
        EnterFourPointExample();
    }
};

TEST_F(WorkedExample, PressOnPointTwoSwitchesItOutAndAgainBackIn)
{
    PressAt(PointPixel(1));
    ASSERT_NO_FATAL_FAILURE(ExpectPointTwoOut());
    EXPECT_DOUBLE_EQ(Chart().Series2.XValue(1), 4);

    PressAt(PointPixel(1) + QPoint(-4, -4));  // a corner of its square, away from the line
    EXPECT_EQ(Equation(), EquationCaption("Y=1.98*X+0.05"));
    EXPECT_EQ(Colours(), (std::vector<Colour>{clLime, clRed, clRed, clLime}));
}

TEST_F(WorkedExample, RightButtonActsLikeTheLeft)
{
    PressAt(PointPixel(1), Qt::RightButton);
    EXPECT_EQ(Equation(), EquationCaption("Y=1.9929*X+-0.014286"));
    EXPECT_EQ(Points().ValueColor(1), clSilver);
}

TEST_F(WorkedExample, PressOnTheLineChangesNothing)
{
    const QPoint low = Chart().ValuePosition(Chart().Series2, 0);
    const QPoint high = Chart().ValuePosition(Chart().Series2, 1);
    PressAt((low + high) / 2);
    PressAt(Chart().ValuePosition(Chart().Series3, 0));
    PressAt(QPoint(Chart().Layout().plot.left() + 20, Chart().Layout().plot.top() + 20));
    EXPECT_EQ(Equation(), EquationCaption("Y=1.98*X+0.05"));
    EXPECT_EQ(Colours(), (std::vector<Colour>{clLime, clRed, clRed, clLime}));
}

TEST_F(ChartWindowTest, OnePointLeftShowsTheBoxAndFitsAllAgain)
{
    EnterPoints("0.01", {{"1", "2"}, {"2", "5"}, {"3", "7"}});
    const QString fitted = Equation();
    ModalBoxCloser closer;
    PressAt(PointPixel(0));
    EXPECT_EQ(Points().ValueColor(0), clSilver);
    // The refitted line runs from point 2 to point 3: a press on point 2
    // itself would hit the line's end, one beside it away from the line hits
    // the point.
    PressAt(PointPixel(1) + QPoint(-3, 0));
    ExpectFullFitAfterBox(closer, "Одну точку не считаем!", fitted);
}

TEST_F(ChartWindowTest, TwoPointsLeftOnOneVerticalShowTheBoxAndFitAllAgain)
{
    EnterPoints("1", {{"1", "2"}, {"1", "3"}, {"2", "4"}});
    const QString fitted = Equation();
    // (2; 4) lies on the line's end, where the end mark takes a press on its
    // centre; beside it, away from the line, the point is hit.
    ModalBoxCloser closer;
    PressAt(PointPixel(2) + QPoint(3, 0));
    ExpectFullFitAfterBox(closer, "Вертикальных линий МНК не считает!", fitted);
}

}  // namespace
