#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "chart/TChart.h"
#include "chart/qt_colour.h"

namespace {

struct Press {
    TChartSeries* series;
    int index;
    Qt::MouseButton button;
};

// A chart on screen with the points (1; 2), (2; 4.1), (3; 5.9), (4; 8) and
// the line Y = 1.98*X + 0.05 from X = 1 to X = 4 with its end marks.
class ChartWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        chart.resize(600, 400);
        chart.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
        QObject::connect(&chart, &TChart::ClickSeries,
                         [this](TChartSeries* s, int i, Qt::MouseButton b, Qt::KeyboardModifiers, QPoint) {
                             presses.push_back({s, i, b});
                         });
    }

    void AddExample()
    {
        const Colour colours[] = {clLime, clLime, clRed, clSilver};
        const double ys[] = {2, 4.1, 5.9, 8};
        for (int i = 0; i < 4; ++i)
            chart.Series1.AddXY(i + 1, ys[i], "", colours[i]);
        for (TChartSeries* s : {&chart.Series2, &chart.Series3}) {
            s->AddXY(1, 2.03, "", DefaultSeriesColor);
            s->AddXY(4, 7.97, "", DefaultSeriesColor);
        }
    }

    QImage Rendered()
    {
        QImage image(chart.size(), QImage::Format_RGB32);
        chart.render(&image);
        return image;
    }

    TChart chart;
    std::vector<Press> presses;
};

TEST_F(ChartWidget, OutermostPointsSixPixelsInsideThePlot)
{
    AddExample();
    const ChartLayout layout = chart.Layout();
    EXPECT_EQ(chart.ValuePosition(chart.Series1, 0), QPoint(layout.plot.left() + 6, layout.plot.bottom() - 6));
    EXPECT_EQ(chart.ValuePosition(chart.Series1, 3), QPoint(layout.plot.right() - 6, layout.plot.top() + 6));
    EXPECT_LT(layout.bottom.minimum, 1);
    EXPECT_GT(layout.bottom.maximum, 4);
    EXPECT_LT(layout.left.minimum, 2);
    EXPECT_GT(layout.left.maximum, 8);
}

TEST_F(ChartWidget, PressOnAPointReportsItForEveryButton)
{
    AddExample();
    QTest::mousePress(&chart, Qt::LeftButton, {}, chart.ValuePosition(chart.Series1, 2) + QPoint(3, -3));
    QTest::mousePress(&chart, Qt::RightButton, {}, chart.ValuePosition(chart.Series1, 1));
    QTest::mousePress(&chart, Qt::MiddleButton, {}, chart.ValuePosition(chart.Series1, 3) + QPoint(0, 4));
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[0].series, &chart.Series1);
    EXPECT_EQ(presses[0].index, 2);
    EXPECT_EQ(presses[0].button, Qt::LeftButton);
    EXPECT_EQ(presses[1].series, &chart.Series1);
    EXPECT_EQ(presses[1].index, 1);
    EXPECT_EQ(presses[1].button, Qt::RightButton);
    EXPECT_EQ(presses[2].index, 3);
}

TEST_F(ChartWidget, PressOnTheLineOrAnEndMarkReportsThatSeries)
{
    AddExample();
    const QPoint low = chart.ValuePosition(chart.Series2, 0);
    const QPoint high = chart.ValuePosition(chart.Series2, 1);
    QTest::mousePress(&chart, Qt::LeftButton, {}, (low + high) / 2);
    QTest::mousePress(&chart, Qt::LeftButton, {}, chart.ValuePosition(chart.Series3, 1));
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[0].series, &chart.Series2);
    EXPECT_EQ(presses[0].index, 0);
    EXPECT_EQ(presses[1].series, &chart.Series3);
    EXPECT_EQ(presses[1].index, 1);
}

TEST_F(ChartWidget, PressOnNothingIsNotReported)
{
    AddExample();
    const ChartLayout layout = chart.Layout();
    QTest::mousePress(&chart, Qt::LeftButton, {}, layout.plot.topLeft() + QPoint(10, 10));
    QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(chart.width() - 2, chart.height() - 2));
    EXPECT_TRUE(presses.empty());
}

TEST_F(ChartWidget, SecondPressOfADoubleClickIsAnotherPress)
{
    AddExample();
    const QPoint at = chart.ValuePosition(chart.Series1, 0);
    QTest::mousePress(&chart, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&chart, Qt::LeftButton, {}, at);
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[1].index, 0);
}

TEST_F(ChartWidget, DrawsPointsInTheirColoursUnderTheLine)
{
    AddExample();
    chart.Series1.AddXY(2.5, 1.98 * 2.5 + 0.05, "", clLime);  // on the line
    const QImage image = Rendered();
    const auto at = [&](QPoint p) { return image.pixelColor(p); };
    EXPECT_EQ(at(chart.ValuePosition(chart.Series1, 1) + QPoint(0, 3)), ToQColor(clLime));
    EXPECT_EQ(at(chart.ValuePosition(chart.Series1, 3) + QPoint(3, 0)), ToQColor(clRed));
    EXPECT_EQ(at(chart.ValuePosition(chart.Series1, 4) + QPoint(-2, 2)), ToQColor(clSilver));
    const QPoint onLine = chart.ValuePosition(chart.Series1, 2);
    const bool lineOverPoint = at(onLine) == ToQColor(clBlue) || at(onLine + QPoint(0, 1)) == ToQColor(clBlue) ||
                               at(onLine - QPoint(0, 1)) == ToQColor(clBlue);
    EXPECT_TRUE(lineOverPoint);
    EXPECT_EQ(at(chart.ValuePosition(chart.Series3, 0)), ToQColor(clSilver));
    EXPECT_EQ(at(QPoint(1, chart.height() - 1)), ActiveBorderColour());
}

TEST_F(ChartWidget, EmptyChartShowsItsTitle)
{
    const ChartLayout layout = chart.Layout();
    EXPECT_EQ(layout.bottom.minimum, 0);
    EXPECT_EQ(layout.left.maximum, 0);
    const QImage image = Rendered();
    int blue = 0;
    for (int y = layout.title.top(); y <= layout.title.bottom(); ++y)
        for (int x = layout.title.left(); x <= layout.title.right(); ++x)
        {
            // Antialiased text: count the pixels that are clearly blue.
            const QColor c = image.pixelColor(x, y);
            blue += c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
        }
    EXPECT_GT(blue, 20);
}

TEST_F(ChartWidget, EndMarksKeepTheAxesAfterTheOtherSeriesAreCleared)
{
    AddExample();
    chart.Series1.Clear();
    chart.Series2.Clear();
    const ChartLayout layout = chart.Layout();
    EXPECT_EQ(chart.ValuePosition(chart.Series3, 0), QPoint(layout.plot.left() + 6, layout.plot.bottom() - 6));
    EXPECT_EQ(chart.ValuePosition(chart.Series3, 1), QPoint(layout.plot.right() - 6, layout.plot.top() + 6));
}

}  // namespace
