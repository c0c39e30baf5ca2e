// The rotation solver against exact and normal-equation solutions, its swap branch and singular
// guard, and the straight-line fit and latitude statistics on generated datasets.
#include "analysis/CurveFit.h"

#include "common/ScriptedPrompt.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace solar;
using solar::test::ScriptedPrompt;

namespace {

constexpr long double Deg = 0.017453292519943295769L;

MeasRec point(double time, long double longDeg, long double latDeg = 15) {
    MeasRec m;
    m.ID = "A";
    m.Time = time;
    m.Long = longDeg * Deg;
    m.Lat = latDeg * Deg;
    return m;
}

LinrAnalObj dataset(const std::vector<MeasRec> &pts) {
    LinrAnalObj d;
    d.SpotID = "A";
    d.Points = pts;
    d.FirstTime = pts.empty() ? 0 : pts.front().Time;
    d.RefTime = d.FirstTime;
    d.LastTime = pts.empty() ? 0 : pts.back().Time;
    return d;
}

// Solves the normal equations (A^T A) x = A^T y by Gauss-Jordan elimination with partial pivoting.
std::vector<long double> normalEquations(const std::vector<std::vector<long double>> &rows, int m) {
    std::vector<std::vector<long double>> n(m, std::vector<long double>(m + 1, 0));
    for (const auto &r : rows)
        for (int i = 0; i < m; ++i)
            for (int j = 0; j <= m; ++j)
                n[i][j] += r[i] * r[j];
    for (int c = 0; c < m; ++c) {
        int p = c;
        for (int r = c + 1; r < m; ++r)
            if (std::fabs(n[r][c]) > std::fabs(n[p][c]))
                p = r;
        std::swap(n[c], n[p]);
        for (int r = 0; r < m; ++r) {
            if (r == c)
                continue;
            const long double f = n[r][c] / n[c][c];
            for (int j = c; j <= m; ++j)
                n[r][j] -= f * n[c][j];
        }
    }
    std::vector<long double> x(m);
    for (int i = 0; i < m; ++i)
        x[i] = n[i][m] / n[i][i];
    return x;
}

} // namespace

TEST(LstSqr, ExactLineThroughTwoPointsAndOverDeterminedAgainstNormalEquations) {
    LstSqrObj s;
    s.SetSize(2, 2);
    s.A(1, 1) = 1.5L, s.A(1, 2) = 1, s.A(1, 3) = -4;     // y = 3x - 8.5 through (1.5, -4)
    s.A(2, 1) = -2.0L, s.A(2, 2) = 1, s.A(2, 3) = -14.5; // and (-2, -14.5)
    ASSERT_TRUE(s.Solve());
    EXPECT_NEAR(static_cast<double>(s.Parms[1]), 3.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(s.Parms[2]), -8.5, 1e-15);

    // 40 rows of a cubic-like basis with scattered observations, four unknowns.
    std::vector<std::vector<long double>> rows;
    unsigned seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<long double>((seed >> 8) % 10000) / 10000.0L - 0.5L;
    };
    for (int i = 0; i < 40; ++i) {
        const long double t = -3 + 0.15L * i;
        rows.push_back({t * t * t, t * t, t, 1.0L, 0.2L * t * t * t - t + 4 + next()});
    }
    s.SetSize(40, 4);
    for (int r = 0; r < 40; ++r)
        for (int c = 0; c < 5; ++c)
            s.A(r + 1, c + 1) = rows[r][c];
    ASSERT_TRUE(s.Solve());
    const auto want = normalEquations(rows, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(static_cast<double>(s.Parms[i + 1]), static_cast<double>(want[i]), 1e-12) << i;
}

TEST(LstSqr, NegligiblePivotTakesTheSwapBranch) {
    // The first row's column-1 value is far below 1e-10 of the one under it: the rotation becomes
    // an exchange, the diagonal takes -b, and the solution is still exact.
    LstSqrObj s;
    s.SetSize(2, 2);
    s.A(1, 1) = 1e-13L, s.A(1, 2) = 1, s.A(1, 3) = 3; // x1 * 1e-13 + x2 = 3
    s.A(2, 1) = 2, s.A(2, 2) = 1, s.A(2, 3) = 7;      // 2 x1 + x2 = 7
    ASSERT_TRUE(s.Solve());
    EXPECT_EQ(s.A(1, 1), -2.0L);
    EXPECT_EQ(s.A(2, 1), 0.0L);
    EXPECT_NEAR(static_cast<double>(s.Parms[1]), 2.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(s.Parms[2]), 3.0, 1e-12);
}

TEST(LstSqr, SingularSystemsAreRefusedAndLeaveTheSolution) {
    for (long double t : {0.0L, 3.7L}) { // equal times at the reference time and away from it
        LstSqrObj s;
        s.Parms[1] = 11, s.Parms[2] = 22;
        s.SetSize(3, 2);
        for (int r = 1; r <= 3; ++r)
            s.A(r, 1) = t, s.A(r, 2) = 1, s.A(r, 3) = r;
        EXPECT_FALSE(s.Solve()) << static_cast<double>(t);
        EXPECT_EQ(s.Parms[1], 11.0L);
        EXPECT_EQ(s.Parms[2], 22.0L);
    }
}

TEST(FitLine, NoisyLineOfManyPointsGivesSlopeAndTZero) {
    // 500 points (far beyond a fixed scratch area) of a spot crossing at day 38420.25 at 13.2
    // degrees per day, with +-0.3 degrees of scatter. The crossing lies after the reference time.
    std::vector<MeasRec> pts;
    for (int i = 0; i < 500; ++i) {
        const double t = 38418.0 + i * 0.01;
        pts.push_back(point(t, 13.2L * (t - 38420.25) + ((i % 7) - 3) * 0.1L));
    }
    LinrAnalObj d = dataset(pts);
    LstSqrObj s;
    ASSERT_TRUE(FitLine(d, s));
    EXPECT_NEAR(static_cast<double>(d.Slope), 13.2, 0.01);
    EXPECT_EQ(d.RtnRate, d.Slope);
    EXPECT_NEAR(d.TZero, 38420.25, 0.002);
    EXPECT_NEAR(static_cast<double>(d.RMS), 0.2, 0.05);
    EXPECT_FALSE(d.Recorded);

    // Intercept and slope of the same sign: the crossing lies before the reference time.
    LinrAnalObj e = dataset({point(100, 20), point(101, 33), point(102, 46)});
    ASSERT_TRUE(FitLine(e, s));
    EXPECT_NEAR(e.TZero, 100 - 20.0 / 13.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(e.RMS), 0.0, 1e-12);
}

TEST(FitLine, TooFewPointsEqualTimesAndEqualLongitudesAreHandledSoundly) {
    ScriptedPrompt p;
    LstSqrObj s;
    LinrAnalObj one = dataset({point(100, 5)});
    one.Slope = 12, one.TZero = 99;
    p.expect("More Data Points Needed!");
    EXPECT_FALSE(FitLine(one, s));
    EXPECT_EQ(one.Slope, 12.0L);
    EXPECT_EQ(one.TZero, 99.0);
    EXPECT_EQ(LineRMS(one), 0.0L); // n - 1 = 0

    LinrAnalObj same = dataset({point(100, 5), point(100, 7), point(100, 9)});
    same.Slope = 12, same.Recorded = true;
    p.expect("No Line Fitted!");
    EXPECT_FALSE(FitLine(same, s));
    EXPECT_EQ(same.Slope, 12.0L);
    EXPECT_TRUE(same.Recorded);

    // Three equal longitudes: the slope is rounding noise; no crossing 1e19 days away.
    LinrAnalObj flat = dataset({point(100, 4), point(101.3, 4), point(102.9, 4)});
    ASSERT_TRUE(FitLine(flat, s));
    EXPECT_LT(std::fabs(static_cast<double>(flat.Slope)), 1e-9);
    EXPECT_EQ(flat.TZero, 0.0);
    EXPECT_TRUE(std::isfinite(static_cast<double>(flat.RMS)));
}

TEST(LatitudeStats, EqualLatitudesOnePointAndKnownSpread) {
    long double mean = -1, sd = -1;
    // Nine equal latitudes of -22.5 degrees: the sum of squares less the squared sum over n comes
    // out just below zero in 80-bit arithmetic.
    std::vector<MeasRec> equal;
    for (int i = 0; i < 9; ++i)
        equal.push_back(point(100 + i, 0, -22.5L));
    LatitudeStats(equal, mean, sd);
    EXPECT_NEAR(static_cast<double>(mean), static_cast<double>(-22.5L * Deg), 1e-15);
    EXPECT_EQ(sd, 0.0L);

    LatitudeStats({point(100, 0, 12)}, mean, sd);
    EXPECT_NEAR(static_cast<double>(mean), static_cast<double>(12 * Deg), 1e-15);
    EXPECT_EQ(sd, 0.0L);

    LatitudeStats({point(1, 0, 10), point(2, 0, 20), point(3, 0, 30)}, mean, sd);
    EXPECT_NEAR(static_cast<double>(mean), static_cast<double>(20 * Deg), 1e-15);
    EXPECT_NEAR(static_cast<double>(sd), static_cast<double>(10 * Deg), 1e-15);

    LatitudeStats({}, mean, sd);
    EXPECT_EQ(mean, 0.0L);
    EXPECT_EQ(sd, 0.0L);
}
