#include <gtest/gtest.h>

#include "chart/press_resolution.h"

namespace {

PressTarget Points(std::vector<QPoint> at) { return {PointSeriesStyle, std::move(at)}; }
PressTarget Line(std::vector<QPoint> at) { return {LineSeriesStyle, std::move(at)}; }
PressTarget EndMarks(std::vector<QPoint> at) { return {EndMarkSeriesStyle, std::move(at)}; }

bool Hits(const std::optional<PressHit>& hit, int series, int index)
{
    return hit && hit->series == series && hit->index == index;
}

TEST(ResolvePress, MarkerSquareReachesFourPixelsFromTheCentre)
{
    const std::vector<PressTarget> targets{Points({{100, 100}})};
    EXPECT_TRUE(Hits(ResolvePress(targets, {104, 96}), 0, 0));
    EXPECT_TRUE(Hits(ResolvePress(targets, {96, 104}), 0, 0));
    EXPECT_FALSE(ResolvePress(targets, {105, 100}));
    EXPECT_FALSE(ResolvePress(targets, {100, 95}));
}

TEST(ResolvePress, OverlappingPointsGiveTheLowerIndex)
{
    // Index order is X order: the smaller X wins, and of equal X the earlier.
    const std::vector<PressTarget> targets{Points({{100, 100}, {106, 100}, {106, 100}})};
    EXPECT_TRUE(Hits(ResolvePress(targets, {103, 100}), 0, 0));
    EXPECT_TRUE(Hits(ResolvePress(targets, {108, 100}), 0, 1));
}

TEST(ResolvePress, LaterSeriesWinOverThePointsBelow)
{
    const std::vector<PressTarget> targets{Points({{50, 150}, {100, 100}, {150, 50}}),
                                           Line({{50, 150}, {150, 50}}), EndMarks({{50, 150}, {150, 50}})};
    // A point lying on the line: the line is reported, for its segment's start.
    EXPECT_TRUE(Hits(ResolvePress(targets, {100, 100}), 1, 0));
    // Beside the line but within the point's square.
    EXPECT_TRUE(Hits(ResolvePress(targets, {103, 100}), 0, 1));
    // Exactly on an end mark.
    EXPECT_TRUE(Hits(ResolvePress(targets, {150, 50}), 2, 1));
    // Next to an end mark: its dot is hit only on its own pixel.
    EXPECT_TRUE(Hits(ResolvePress(targets, {149, 51}), 1, 0));
    EXPECT_FALSE(ResolvePress(targets, {20, 20}));
}

TEST(ResolvePress, LineValuesWithoutMarkersAreHitOnTheirPixel)
{
    const std::vector<PressTarget> targets{Line({{10, 10}})};
    EXPECT_TRUE(Hits(ResolvePress(targets, {10, 10}), 0, 0));
    EXPECT_FALSE(ResolvePress(targets, {11, 10}));
}

TEST(OnSegment, WithinAboutAPixelAndBetweenTheEnds)
{
    EXPECT_TRUE(OnSegment({0, 0}, {100, 50}, {50, 25}));
    EXPECT_FALSE(OnSegment({0, 0}, {100, 50}, {50, 27}));
    EXPECT_FALSE(OnSegment({0, 0}, {100, 50}, {102, 51}));  // beyond the end
    EXPECT_TRUE(OnSegment({10, 0}, {10, 100}, {10, 40}));   // vertical
    EXPECT_FALSE(OnSegment({10, 0}, {10, 100}, {11, 40}));
    EXPECT_TRUE(OnSegment({0, 80}, {200, 80}, {200, 80}));  // horizontal, at the end
    EXPECT_FALSE(OnSegment({5, 5}, {5, 5}, {5, 5}));        // no length
}

}  // namespace
