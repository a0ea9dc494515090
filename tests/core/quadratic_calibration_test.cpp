#include <gtest/gtest.h>

#include <cmath>

#include "core/quadratic_calibration.h"

namespace {

using Points = std::vector<CalibrationPoint>;
using Root = QuadraticReading::Root;

// y = 2 + 0.5x + 0.1x² at x = 1..5 plus d·(−1, 2, 0, −2, 1), the cubic
// orthogonal polynomial of five levels. It is orthogonal to 1, x and x², so
// R's lm(y ~ x + I(x^2)) gives back a = 2, b = 0.5, c = 0.1 exactly and the
// residuals d·(−1, 2, 0, −2, 1): RSS = 10d², s_y² = 10d² / (5 − 3). About
// u = x − 3 the regressors 1, u and u² − 2 are orthogonal, with sums of
// squares 5, 10 and 14, so Var(α) = s²/5, Var(β) = s²/10, Var(γ) = s²/14, and
// with a = α − 3β + 7γ, b = β − 6γ, c = γ the standard errors follow.
constexpr double kD = 0.01;
const Points kCurve = {{1, 2.6 - kD}, {2, 3.4 + 2 * kD}, {3, 4.4}, {4, 5.6 - 2 * kD}, {5, 7.0 + kD}};
const double kVariance = 10 * kD * kD / 2;
// t(2; 0.975): with two degrees of freedom t_p = (2p − 1) / √(2p(1 − p)).
const double kT2 = 0.95 / std::sqrt(2 * 0.975 * 0.025);

// ISO 8466-2's half-width for one reading, term by term: Σx = 15,
// Σx²/N = 11, Q_xx = 10, Q_x3 = 225 − 15·55/5 = 60, Q_x4 = 979 − 55²/5 = 374.
double IsoHalfWidth(double x)
{
    const double qxx = 10, qx3 = 60, qx4 = 374;
    const double d = x - 3, e = x * x - 11;
    const double bracket = (d * d * qx4 + e * e * qxx - 2 * d * e * qx3) / (qxx * qx4 - qx3 * qx3);
    return kT2 * std::sqrt(kVariance) / (0.5 + 0.2 * x) * std::sqrt(1.0 / 5 + 1 + bracket);
}

TEST(QuadraticCalibration, CoefficientsAndFiguresAsLmGivesThem)
{
    const auto q = FitQuadraticCalibration(kCurve);
    ASSERT_TRUE(q);
    EXPECT_NEAR(q->a, 2, 1e-13);
    EXPECT_NEAR(q->b, 0.5, 1e-13);
    EXPECT_NEAR(q->c, 0.1, 1e-14);
    EXPECT_NEAR(*q->residualSd, std::sqrt(kVariance), 1e-14);
    EXPECT_NEAR(*q->cStandardError, std::sqrt(kVariance / 14), 1e-14);
    EXPECT_NEAR(*q->bStandardError, std::sqrt(kVariance * (1.0 / 10 + 36.0 / 14)), 1e-14);
    EXPECT_NEAR(*q->aStandardError, std::sqrt(kVariance * (1.0 / 5 + 9.0 / 10 + 49.0 / 14)), 1e-14);
    EXPECT_NEAR(*q->sensitivity, 0.5 + 2 * 0.1 * 3, 1e-13);
    EXPECT_NEAR(*q->methodSd, std::sqrt(kVariance) / 1.1, 1e-14);
    EXPECT_NEAR(*q->relativeMethodSdPercent, 100 * std::sqrt(kVariance) / 1.1 / 3, 1e-12);
    EXPECT_NEAR(*q->twoSidedT, kT2, 1e-12);
    EXPECT_EQ(q->lowX, 1);
    EXPECT_EQ(q->highX, 5);
    EXPECT_NEAR(q->Value(2.5), 2 + 1.25 + 0.625, 1e-13);
}

TEST(QuadraticCalibration, ReadingsOnTheCurve)
{
    const auto q = FitQuadraticCalibration(kCurve);
    ASSERT_TRUE(q);
    const double root4 = (-5 + std::sqrt(105.0)) / 2;  // 0.1x² + 0.5x + 2 = 4
    const struct {
        double reading, blank;
        Root root;
        double concentration;
    } cases[] = {
        {4, 0, Root::InRange, root4},
        {4.5, 0.5, Root::InRange, root4},                          // the blank is taken off first
        {2.6, 0, Root::InRange, 1},                                // the low end of the range
        {10, 0, Root::OutOfRange, 0},                              // x = 6.79 and x = −11.79
        {1, 0, Root::NoRealRoot, 0},                               // below the vertex at 1.375
    };
    for (const auto& c : cases) {
        const QuadraticReading r = QuadraticConcentration(*q, c.reading, c.blank);
        EXPECT_EQ(r.root, c.root) << c.reading;
        if (c.root != Root::InRange) {
            EXPECT_FALSE(r.concentration || r.halfWidth) << c.reading;
            continue;
        }
        EXPECT_NEAR(*r.concentration, c.concentration, 1e-12) << c.reading;
        EXPECT_NEAR(*r.halfWidth, IsoHalfWidth(c.concentration), 1e-12) << c.reading;
        EXPECT_DOUBLE_EQ(*r.low, *r.concentration - *r.halfWidth);
    }
}

// A curve that turns inside its range: the root in the range is taken, the
// one on the branch of the mean x first.
TEST(QuadraticCalibration, TheRootInTheWorkingRangeIsTaken)
{
    const Points falling = {{0, 10}, {1, 9}, {2, 6}, {3, 1}};  // 10 − x², exactly
    const auto q = FitQuadraticCalibration(falling);
    ASSERT_TRUE(q);
    EXPECT_NEAR(*QuadraticConcentration(*q, 6, 0).concentration, 2, 1e-12);
    EXPECT_FALSE(QuadraticConcentration(*q, 6, 0).halfWidth) << "no scatter: no interval";
    const Points turning = {{-2, 4.1}, {-1, 0.9}, {0, 0.1}, {1, 1.1}, {3, 8.9}};
    const auto t = FitQuadraticCalibration(turning);
    ASSERT_TRUE(t);
    const QuadraticReading r = QuadraticConcentration(*t, 4, 0);
    ASSERT_EQ(r.root, Root::InRange);
    EXPECT_GT(*r.concentration, 0) << "the rising branch, where the mean x lies";
}

TEST(QuadraticCalibration, TooFewLevelsOrBadInputGiveNoCurve)
{
    EXPECT_FALSE(FitQuadraticCalibration({{1, 1}, {2, 2}}));
    EXPECT_FALSE(FitQuadraticCalibration({{1, 1}, {1, 2}, {2, 2}, {2, 3}}));
    EXPECT_FALSE(FitQuadraticCalibration({{1, 1}, {2, NAN}, {3, 2}}));
    const auto three = FitQuadraticCalibration({{1, 1}, {2, 4}, {3, 9}});
    ASSERT_TRUE(three) << "three levels fix the curve";
    EXPECT_NEAR(three->c, 1, 1e-13);
    EXPECT_FALSE(three->residualSd) << "but leave no degree of freedom";
}

}  // namespace
