#include "diagrams/kurven.h"
#include "platform/exceptions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

using Liste = std::vector<double>;

struct Stuecke
{
    Liste x1, y1, x2, y2;
    int anzahl = 0;
};

// The value rectangle of the worked examples: x and y from 0 to 10.
Stuecke Clippe(const Liste& x, const Liste& y, int n)
{
    Stuecke s;
    s.anzahl = ClippePolylinie(0, 10, 0, 10, x, y, n, s.x1, s.y1, s.x2, s.y2);
    return s;
}

void ErwarteEndlich(const Liste& werte)
{
    for (double w : werte)
        ASSERT_TRUE(std::isfinite(w));
}

} // namespace

TEST(SchneideStreckeMitRahmen, MeetsTheBoundInTheDirectionOfTravel)
{
    double ax = 5, ay = 12, xs = 0, ys = 0;
    SchneideStreckeMitRahmen(0, 10, 0, 10, ax, 6, ay, 8, xs, ys); // A outside, enters at the top
    EXPECT_DOUBLE_EQ(xs, 5.5);
    EXPECT_DOUBLE_EQ(ys, 10);

    ax = 5, ay = 5;
    SchneideStreckeMitRahmen(0, 10, 0, 10, ax, 15, ay, 7, xs, ys); // A inside, leaves on the right
    EXPECT_DOUBLE_EQ(xs, 10);
    EXPECT_DOUBLE_EQ(ys, 6);
    EXPECT_EQ(ax, 5); // nothing to nudge
}

TEST(SchneideStreckeMitRahmen, NudgesAVerticalSegmentOffItsLine)
{
    double ax = 5, ay = 12, xs = 0, ys = 0;
    SchneideStreckeMitRahmen(0, 10, 0, 10, ax, 5, ay, 8, xs, ys);
    EXPECT_DOUBLE_EQ(ax, 5.000005);
    EXPECT_EQ(ay, 12);
    EXPECT_DOUBLE_EQ(ys, 10);
    EXPECT_NEAR(xs, 5, 1e-5);

    // A horizontal segment leaves through the side bound.
    ax = 5, ay = 5;
    SchneideStreckeMitRahmen(0, 10, 0, 10, ax, -3, ay, 5, xs, ys);
    EXPECT_DOUBLE_EQ(ay, 5.000005);
    EXPECT_NEAR(xs, 0, 1e-5);
    EXPECT_NEAR(ys, 5, 1e-5);
}

TEST(SchneideStreckeMitRahmen, SegmentsOnAnAxisThatCannotBeNudgedStillMeetTheRightBound)
{
    double ax = 0, ay = 12, xs = -1, ys = -1;
    SchneideStreckeMitRahmen(0, 10, 0, 10, ax, 0, ay, 8, xs, ys); // down the left edge, entering
    EXPECT_EQ(xs, 0);
    EXPECT_EQ(ys, 10);

    ax = 0, ay = 4;
    SchneideStreckeMitRahmen(0, 10, 0, 10, ax, 0, ay, -8, xs, ys); // leaving at the bottom
    EXPECT_EQ(xs, 0);
    EXPECT_EQ(ys, 0);

    ax = -5, ay = 0;
    SchneideStreckeMitRahmen(0, 10, 0, 10, ax, 5, ay, 0, xs, ys); // along y = 0, entering
    EXPECT_EQ(xs, 0);
    EXPECT_EQ(ys, 0);

    ax = 5, ay = 0;
    SchneideStreckeMitRahmen(0, 10, 0, 10, ax, 20, ay, 0, xs, ys); // along y = 0, leaving
    EXPECT_EQ(xs, 10);
    EXPECT_EQ(ys, 0);

    ax = 0, ay = 0;
    SchneideStreckeMitRahmen(0, 10, 0, 10, ax, 0, ay, 0, xs, ys); // a point, not a segment
    EXPECT_EQ(xs, 0);
    EXPECT_EQ(ys, 0);
}

TEST(ClippePolylinie, CutsAPolylineAtTheFrame)
{
    const Stuecke s = Clippe({-5, 5, 5}, {5, 5, 15}, 3);
    ASSERT_EQ(s.anzahl, 2);
    EXPECT_NEAR(s.x1[1], 0, 1e-4);
    EXPECT_NEAR(s.y1[1], 5, 1e-4);
    EXPECT_EQ(s.x2[1], 5);
    EXPECT_EQ(s.y2[1], 5);
    EXPECT_EQ(s.x1[2], 5);
    EXPECT_EQ(s.y1[2], 5);
    EXPECT_NEAR(s.x2[2], 5, 1e-4);
    EXPECT_DOUBLE_EQ(s.y2[2], 10);
    // Entry 0 is never written; the lists hold two entries more than the points used.
    EXPECT_EQ(s.x1[0], 0);
    EXPECT_EQ(s.x1.size(), 5u);
}

TEST(ClippePolylinie, CutsASegmentCrossingOnlyOneBandWhenItIsTheWholeLine)
{
    const Stuecke paar = Clippe({5, 5}, {-5, 15}, 2);
    ASSERT_EQ(paar.anzahl, 1);
    EXPECT_NEAR(paar.x1[1], 5, 1e-4);
    EXPECT_EQ(paar.y1[1], 0);
    EXPECT_NEAR(paar.x2[1], 5, 1e-4);
    EXPECT_EQ(paar.y2[1], 10);

    // The same pair inside a longer line draws nothing.
    EXPECT_EQ(Clippe({5, 5, 50}, {-5, 15, 50}, 3).anzahl, 0);
    // Inside in x only at one end and in y only at the other: always cut twice.
    const Stuecke ecke = Clippe({5, 15, 50}, {-5, 5, 50}, 3);
    ASSERT_EQ(ecke.anzahl, 1);
    EXPECT_NEAR(ecke.x1[1], 10, 1e-9);
    EXPECT_NEAR(ecke.y1[1], 0, 1e-9);
}

TEST(ClippePolylinie, UsesOnlyThePointsAskedForAndThatExist)
{
    const Liste x{1, 2, 3, 4}, y{1, 2, 3, 4};
    EXPECT_EQ(Clippe(x, y, 2).anzahl, 1);
    const Stuecke alle = Clippe(x, y, 99);
    EXPECT_EQ(alle.anzahl, 3);
    EXPECT_EQ(alle.x1.size(), 6u);
    EXPECT_EQ(Clippe(x, y, 1).anzahl, 0);
    EXPECT_EQ(Clippe(x, y, 0).anzahl, 0);
    EXPECT_EQ(Clippe(x, y, -3).anzahl, 0);
    EXPECT_EQ(Clippe({}, {}, 5).anzahl, 0);
    EXPECT_THROW(Clippe(x, {1, 2}, 4), CInvalidArgException);
}

TEST(ClippePolylinie, PointsThatAreNoNumbersGiveNoPieces)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Stuecke s = Clippe({1, nan, 3, inf, 5, 6}, {1, 2, 3, 4, inf, 6}, 6);
    EXPECT_EQ(s.anzahl, 0);
    // A segment inside the rectangle next to an infinite point still draws.
    const Stuecke t = Clippe({1, 2, inf}, {1, 2, 5}, 3);
    EXPECT_EQ(t.anzahl, 1);
    for (const Liste* liste : {&t.x1, &t.y1, &t.x2, &t.y2})
        ErwarteEndlich(*liste);
}

TEST(AusgleichsParabel, FitsTheExactParabolaAndRejectsTooFewDistinctX)
{
    double a = 0, b = 0, c = 0;
    const Liste x{0, 1, 2, 3}, y{1, 3, 7, 13};
    ASSERT_TRUE(AusgleichsParabel(x, y, 0, 4, a, b, c));
    EXPECT_NEAR(a, 1, 1e-9);
    EXPECT_NEAR(b, 1, 1e-9);
    EXPECT_NEAR(c, 1, 1e-9);

    // Least squares over a part of the lists: the points 1 .. 3 only.
    const Liste x2{100, 1, 2, 3, 100}, y2{-50, 2, 5, 10, 0};
    ASSERT_TRUE(AusgleichsParabel(x2, y2, 1, 4, a, b, c));
    EXPECT_NEAR(a + b * 2 + c * 4, 5, 1e-9);
    EXPECT_NEAR(c, 1, 1e-9);

    // Two distinct x values, one, none: no parabola and no garbage coefficients.
    a = b = c = 7;
    EXPECT_FALSE(AusgleichsParabel(Liste{1, 1, 2}, Liste{1, 2, 3}, 0, 3, a, b, c));
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(c, 0);
    EXPECT_FALSE(AusgleichsParabel(Liste{2, 2, 2, 2}, Liste{1, 2, 3, 4}, 0, 4, a, b, c));
    EXPECT_FALSE(AusgleichsParabel(x, y, 2, 2, a, b, c));
    EXPECT_THROW(AusgleichsParabel(x, y, 2, 5, a, b, c), CInvalidArgException);
}

namespace {

// Five compaction points of a realistic Proctor test (water content, dry density), with the
// extra entry that the spline replaces by its extrapolated end knot.
const Liste proctorX{0.08, 0.10, 0.12, 0.14, 0.16, 0};
const Liste proctorY{1.85, 1.93, 1.97, 1.94, 1.86, 0};

} // namespace

TEST(SplineProctorKurve, SamplesFromTheFirstToTheLastPoint)
{
    Liste xk, yk;
    ASSERT_TRUE(SplineProctorKurve(proctorX, proctorY, 0, 5, 320, 6, xk, yk));
    ASSERT_EQ(xk.size(), 321u);
    ASSERT_EQ(yk.size(), 321u);
    EXPECT_EQ(xk[0], 0.08);
    EXPECT_NEAR(xk[320], 0.16, 1e-12);
    EXPECT_NEAR(yk[0], 1.85, 1e-12);
    EXPECT_EQ(yk[320], 0); // the last sample is not evaluated
    // The curve passes the middle point and peaks near the optimum.
    EXPECT_NEAR(yk[160], 1.97, 1e-9);
    std::size_t hoechster = 0;
    for (std::size_t j = 0; j < 320; ++j)
        if (yk[j] > yk[hoechster])
            hoechster = j;
    EXPECT_NEAR(xk[hoechster], 0.12, 0.01);
    for (std::size_t j = 1; j < 320; ++j)
        EXPECT_LT(std::fabs(yk[j] - yk[j - 1]), 0.01) << j;
}

TEST(SplineProctorKurve, FollowsTheExtrapolatedKnotAndTheUnreducedLastRow)
{
    // Knots (1, 1), (2, 3), (3, 2) and the extrapolated (4, 0); M[2] = -1/4 from the slope row,
    // M[1] = (6 · (-1 - 2) + 1/4) / 4.
    Liste xk, yk;
    ASSERT_TRUE(SplineProctorKurve(Liste{1, 2, 3, 0}, Liste{1, 3, 2, 0}, 0, 3, 320, 6, xk, yk));
    EXPECT_NEAR(xk[80], 1.5, 1e-12);
    EXPECT_NEAR(yk[80], 2.27734375, 1e-9);
    EXPECT_NEAR(xk[240], 2.5, 1e-12);
    EXPECT_NEAR(yk[240], 2.79296875, 1e-9);
}

TEST(SplineProctorKurve, EndEntryOnlyStandsInForTheExtrapolatedKnot)
{
    Liste x = proctorX, y = proctorY, xa, ya, xb, yb;
    SplineProctorKurve(x, y, 0, 5, 320, 6, xa, ya);
    x[5] = 123, y[5] = -45;
    SplineProctorKurve(x, y, 0, 5, 320, 6, xb, yb);
    EXPECT_EQ(xa, xb);
    EXPECT_EQ(ya, yb);

    // Three points: the fourth knot is extrapolated, and samples run to the third point.
    Liste xk, yk;
    ASSERT_TRUE(SplineProctorKurve(Liste{1, 2, 3, 0}, Liste{1, 3, 2, 0}, 0, 3, 320, 6, xk, yk));
    EXPECT_NEAR(xk[320], 3, 1e-12);
    EXPECT_EQ(yk[320], 0);
    ErwarteEndlich(yk);

    EXPECT_THROW(SplineProctorKurve(Liste{1, 2, 3}, Liste{1, 3, 2}, 0, 3, 320, 6, xk, yk),
                 CInvalidArgException);
}

TEST(SplineProctorKurve, TooFewOrDegeneratePointsOnlyAppendZeros)
{
    Liste xk{7}, yk{7};
    EXPECT_FALSE(SplineProctorKurve(Liste{1, 2, 0}, Liste{1, 2, 0}, 0, 2, 320, 6, xk, yk));
    EXPECT_EQ(xk.size(), 322u);
    EXPECT_EQ(xk[0], 7);
    EXPECT_EQ(xk[321], 0);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::pair<Liste, Liste>> entartet{
        {{1, 1, 1, 1, 0}, {1, 2, 3, 4, 0}},   // equal x: zero interval widths
        {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},   // nothing but zeros
        {{1, 2, 1, 2, 0}, {1, 2, 3, 4, 0}},   // back and forth
        {{1, 2, nan, 4, 0}, {1, 2, 3, 4, 0}}, // a value that is no number
    };
    for (const auto& [x, y] : entartet) {
        Liste xa, ya;
        EXPECT_FALSE(SplineProctorKurve(x, y, 0, 4, 320, 6, xa, ya));
        EXPECT_EQ(xa, Liste(321, 0.0));
        EXPECT_EQ(ya, Liste(321, 0.0));
    }
}

// Both splines write the x of samples 0 .. n and the y of samples 0 .. n − 1 from index 0; entry
// n of a y list that already held entries keeps its value.
TEST(Splines, LeaveTheLastYOfAFilledListAsItWas)
{
    using Spline = bool (*)(const Liste&, const Liste&, int, int, int, int, Liste&, Liste&);
    for (Spline spline : {Spline{SplineProctorKurve}, Spline{SplineSieblinie}}) {
        Liste xk(15, 7.0), yk(15, 7.0);
        ASSERT_TRUE(spline(Liste{1, 2, 3, 0}, Liste{1, 3, 2, 0}, 0, 3, 10, 6, xk, yk));
        ASSERT_EQ(yk.size(), 26u);
        EXPECT_NE(yk[9], 7);
        EXPECT_EQ(yk[10], 7);
        EXPECT_NE(xk[10], 7);
        EXPECT_EQ(Liste(yk.begin() + 11, yk.begin() + 15), Liste(4, 7.0));
        EXPECT_EQ(Liste(yk.begin() + 15, yk.end()), Liste(11, 0.0));
    }
}

namespace {

// A sandy gravel: log10 of the sieve sizes in mm and the passing in %, with flat stretches, and
// the extra end entry.
const Liste siebX{std::log10(0.063),
                  std::log10(0.125),
                  std::log10(0.25),
                  std::log10(0.5),
                  std::log10(1.0),
                  std::log10(2.0),
                  std::log10(4.0),
                  std::log10(8.0),
                  std::log10(16.0),
                  std::log10(31.5),
                  0};
const Liste siebY{0, 0, 1, 6, 18, 30, 31, 33, 70, 100, 0};

} // namespace

TEST(SplineSieblinie, GradingCurveSamplesNeverFall)
{
    Liste xk, yk;
    ASSERT_TRUE(SplineSieblinie(siebX, siebY, 0, 10, 320, 15, xk, yk));
    ASSERT_EQ(yk.size(), 321u);
    EXPECT_EQ(xk[0], siebX[0]);
    for (std::size_t j = 1; j < 320; ++j) {
        EXPECT_GE(yk[j], yk[j - 1]) << j;
        EXPECT_GE(xk[j], xk[j - 1]) << j;
    }
    EXPECT_EQ(yk[320], 0);
    // The samples run beyond the last point, up to the extrapolated knot.
    EXPECT_GT(xk[320], siebX[9]);

    // Falling data are held level instead of drawn falling.
    Liste xf, yf;
    ASSERT_TRUE(SplineSieblinie(Liste{0, 1, 2, 3, 4, 0}, Liste{10, 50, 40, 80, 100, 0}, 0, 5, 320,
                                15, xf, yf));
    for (std::size_t j = 1; j < 320; ++j)
        EXPECT_GE(yf[j], yf[j - 1]) << j;

    // A curve that reaches 100 % and stays there is held at exactly 100, not swung above it.
    Liste xh, yh;
    ASSERT_TRUE(
        SplineSieblinie(Liste{0, 1, 2, 3, 0}, Liste{0, 90, 100, 100, 0}, 0, 4, 320, 15, xh, yh));
    for (std::size_t j = 0; j < 320; ++j) {
        EXPECT_LE(yh[j], 100) << j;
        if (xh[j] > 2.01) {
            EXPECT_EQ(yh[j], 100) << j;
        }
    }
}

TEST(SplineSieblinie, BendsLessThanTheProctorSpline)
{
    // Straight data (0, 0), (1, 5), (2, 10) with the end knot (3, 15): M[2] = 5 / 8, M[1] =
    // -M[2] / 8, and the divisor 15 keeps the bend small.
    Liste xk, yk;
    ASSERT_TRUE(SplineSieblinie(Liste{0, 1, 2, 3}, Liste{0, 5, 10, 100}, 0, 3, 320, 15, xk, yk));
    EXPECT_NEAR(xk[80], 0.75, 1e-12);
    EXPECT_NEAR(yk[80], 3.751708984375, 1e-9);
    EXPECT_NEAR(xk[160], 1.5, 1e-12);
    EXPECT_NEAR(yk[160], 7.486328125, 1e-9);
    EXPECT_NEAR(yk[240], 11.236328125, 1e-9);
}

TEST(SplineSieblinie, InsertsAKnotAfterAFlatStart)
{
    // Slope 0.5 from point 0 to point 1: a knot at x 1.1 follows point 1, so the last step before
    // point 2 is 0.9 after one of 0.1, and the extrapolated end knot lies at 2 + 9 · 0.9.
    Liste xk, yk;
    ASSERT_TRUE(SplineSieblinie(Liste{0, 1, 2, 3}, Liste{0, 0.5, 10, 100}, 0, 3, 320, 15, xk, yk));
    EXPECT_NEAR(xk[320], 10.1, 1e-9);

    // Steep on both sides of point 1: no knot inserted, the end knot continues the step of 1.
    Liste xs, ys;
    ASSERT_TRUE(SplineSieblinie(Liste{0, 1, 2, 3}, Liste{0, 5, 10, 100}, 0, 3, 320, 15, xs, ys));
    EXPECT_NEAR(xs[320], 3, 1e-9);
}

TEST(SplineSieblinie, TooFewOrDegeneratePointsWriteNoSamples)
{
    Liste xk{7}, yk{7};
    EXPECT_FALSE(SplineSieblinie(siebX, siebY, 3, 3, 320, 15, xk, yk));
    EXPECT_EQ(xk, Liste{7}); // untouched
    EXPECT_FALSE(SplineSieblinie(siebX, siebY, 0, 2, 320, 15, xk, yk));
    EXPECT_EQ(xk.size(), 322u);
    EXPECT_EQ(yk[1], 0);

    Liste xa, ya;
    EXPECT_FALSE(
        SplineSieblinie(Liste{1, 1, 1, 1, 0}, Liste{0, 5, 50, 100, 0}, 0, 4, 320, 15, xa, ya));
    EXPECT_EQ(ya, Liste(321, 0.0));
    EXPECT_FALSE(SplineSieblinie(Liste(6, 0.0), Liste(6, 0.0), 0, 5, 320, 15, xa, ya));
    EXPECT_FALSE(SplineSieblinie(siebX, siebY, 0, 10, 320, 0, xa, ya)); // no divisor
    EXPECT_THROW(SplineSieblinie(siebX, siebY, 5, 11, 320, 15, xa, ya), CInvalidArgException);
}
