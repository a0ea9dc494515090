// Points switched out of the fit and back in by real mouse presses on the
// chart of the main window.
#include <QTest>

#include "core/colour.h"
#include "ui_test_helpers.h"

namespace {

class ChartWindowTest : public MainWindowTest {
protected:
    TChart& Chart() { return *form->Chart1; }
    TChartSeries& Points() { return Chart().Series1; }
    QPoint PointPixel(int index) { return Chart().ValuePosition(Points(), index); }
    void PressAt(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(&Chart(), button, {}, at);
        QTest::mouseRelease(&Chart(), button, {}, at);
    }
    std::vector<Colour> Colours()
    {
        std::vector<Colour> colours;
        for (int i = 0; i < Points().Count(); ++i)
            colours.push_back(Points().ValueColor(i));
        return colours;
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
    EXPECT_EQ(Equation(), EquationCaption("Y=1.9929*X+-0.014286"));
    const QString deviations[] = {"0.011", "0.065", "-0.032", "0.022"};
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(Cell1(3, row), deviations[row - 1]);
    EXPECT_EQ(Colours(), (std::vector<Colour>{clLime, clSilver, clRed, clLime}));
    const TChartSeries& line = Chart().Series2;
    ASSERT_EQ(line.Count(), 2);
    EXPECT_NEAR(line.XValue(0), 1.010753, 1e-6);
    EXPECT_DOUBLE_EQ(line.YValue(0), 2);
    EXPECT_DOUBLE_EQ(line.XValue(1), 4);
    EXPECT_NEAR(line.YValue(1), 7.957143, 1e-6);

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
