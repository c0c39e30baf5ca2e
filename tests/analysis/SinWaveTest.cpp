// The sine fit on generated spot tracks: exact and noisy sines recovered by the estimate and the
// refinement, the switch to the crossing estimate, and the guards that keep every value finite.
#include "analysis/SinWave.h"

#include "analysis/CurveFit.h"
#include "common/ScriptedPrompt.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace solar;
using solar::test::ScriptedPrompt;

namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;
// The first image of the sample series, 2025-08-25 19:49:58 UT (days since 1899-12-30).
constexpr double Start = 45894.826366;

// A spot on the sine X = sin(2 pi (t - T0) / P), T0 a moment; longitude asin(X) as on the disc.
MeasRec onSine(double time, long double t0, long double period, long double noise = 0) {
    MeasRec m;
    m.ID = "A";
    m.Time = time;
    m.Unit = 1;
    m.XRad = std::sin(2 * Pi * (time - t0) / period) + noise;
    m.XOff = m.XRad * 440;
    m.Long = std::asin(std::clamp<long double>(m.XRad, -1, 1));
    m.Lat = 0.1L;
    return m;
}

// Deterministic noise, uniform in [-a, a] (a linear congruential generator, so runs agree).
struct Noise {
    std::uint64_t state = 12345;
    long double next(long double a) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return a * (2.0L * static_cast<long double>(state >> 11) / 9007199254740992.0L - 1);
    }
};

// The track of the sample series: one image a day at varying hours, days 4, 9 and 10 missing.
std::vector<MeasRec> track(long double t0, long double period, long double noiseAmplitude = 0) {
    std::vector<MeasRec> pts;
    Noise noise;
    for (int day = 0; day < 13; ++day) {
        if (day == 4 || day == 9 || day == 10)
            continue;
        const double t = Start + day + 0.03 * (day % 5);
        pts.push_back(onSine(t, t0, period, noise.next(noiseAmplitude)));
    }
    return pts;
}

// The least-squares minimum by Gauss-Newton on (T0, P) in long double, from the true values:
// a minimiser written independently of the step search.
void gaussNewton(const std::vector<MeasRec> &pts, long double &t0, long double &p) {
    for (int it = 0; it < 50; ++it) {
        long double a11 = 0, a12 = 0, a22 = 0, b1 = 0, b2 = 0;
        for (const MeasRec &m : pts) {
            const long double ph = 2 * Pi * (m.Time - t0) / p;
            const long double r = m.XRad - std::sin(ph);
            const long double dT = -std::cos(ph) * 2 * Pi / p; // d model / d T0
            const long double dP = -std::cos(ph) * ph / p;     // d model / d P
            a11 += dT * dT, a12 += dT * dP, a22 += dP * dP, b1 += dT * r, b2 += dP * r;
        }
        const long double det = a11 * a22 - a12 * a12;
        t0 += (a22 * b1 - a12 * b2) / det;
        p += (a11 * b2 - a12 * b1) / det;
    }
}

TEST(SinWaveFit, ExactAndNoisySinesRecoveredByEstimateAndRefinement) {
    ScriptedPrompt prompts;
    const long double T0 = Start + 5.37L, P = 26.864L; // spot A of the sample key crosses mid-series
    LstSqrObj solver;
    SineBases bases;

    const std::vector<MeasRec> exact = track(T0, P);
    ASSERT_TRUE(EstimateSine(exact, solver, bases));
    EXPECT_EQ(SinAmpl, 1.0L);
    EXPECT_NEAR(static_cast<double>(SinTZero + FitTimeOffset), static_cast<double>(T0), 0.5);
    EXPECT_NEAR(static_cast<double>(SinPeriod), static_cast<double>(P), 5.0);
    const SineFitReport fit = ComputeSineFit(exact, bases);
    EXPECT_TRUE(fit.settled);
    EXPECT_FALSE(fit.limitReached);
    EXPECT_NEAR(static_cast<double>(SinTZero + FitTimeOffset - T0), 0.0, 1e-4);
    EXPECT_NEAR(static_cast<double>(SinPeriod - P), 0.0, 1e-4);
    EXPECT_LT(fit.rms, 1e-6L);
    EXPECT_EQ(bases.PeriodBase, SinPeriod);

    // Already on the curve: one pass and no change.
    EXPECT_EQ(ComputeSineFit(exact, bases).passes, 1);

    // Noise of +-0.003 radii (about a pixel and a half on the sample disc): the refinement must
    // reach the least-squares minimum (found here by Gauss-Newton) to 1e-4 days, and that minimum
    // lies within 0.1 days of the true period for this track.
    const std::vector<MeasRec> noisy = track(T0, P, 0.003L);
    ASSERT_TRUE(EstimateSine(noisy, solver, bases));
    ComputeSineFit(noisy, bases);
    long double gt = T0, gp = P;
    gaussNewton(noisy, gt, gp);
    EXPECT_NEAR(static_cast<double>(SinTZero + FitTimeOffset - gt), 0.0, 1e-4);
    EXPECT_NEAR(static_cast<double>(SinPeriod - gp), 0.0, 1e-4);
    EXPECT_NEAR(static_cast<double>(SinPeriod - P), 0.0, 0.1);

    // More than 100 measurements (several students on one spot): no limit on the points.
    std::vector<MeasRec> many;
    for (int i = 0; i < 150; ++i)
        many.push_back(onSine(Start + i * 0.08, T0, P));
    ASSERT_TRUE(EstimateSine(many, solver, bases));
    ComputeSineFit(many, bases);
    EXPECT_NEAR(static_cast<double>(SinPeriod - P), 0.0, 1e-4);
    EXPECT_TRUE(prompts.calls.empty());
}

TEST(SinWaveFit, LongPeriodsTakeTheCrossingEstimate) {
    ScriptedPrompt prompts;
    // A 60-day sine seen for eight days around its crossing is nearly straight: the cubic's
    // turning points lie about 54 days apart, past the 30-day switch.
    const long double T0 = Start + 3.6L, P = 60;
    std::vector<MeasRec> pts;
    for (int d = 0; d < 8; ++d)
        pts.push_back(onSine(Start + d, T0, P));
    // The first pair with a change of sign or starting west (X > 0) is days 3 and 4.
    const MeasRec &q = pts[3], &p = pts[4];
    ASSERT_LT(q.XRad, 0);
    ASSERT_GT(p.XRad, 0);
    const long double rate = (p.XRad - q.XRad) / (p.Time - q.Time);
    const long double tzero = q.Time - q.XRad / rate;
    const long double period = (p.Time - q.Time) * 2 * Pi / std::fabs(p.Long - q.Long);

    LstSqrObj solver;
    SineBases bases;
    ASSERT_TRUE(EstimateSine(pts, solver, bases));
    EXPECT_NEAR(static_cast<double>(bases.TZeroBase), static_cast<double>(tzero), 1e-9);
    EXPECT_NEAR(static_cast<double>(SinTZero + FitTimeOffset), static_cast<double>(tzero), 1e-9);
    EXPECT_NEAR(static_cast<double>(SinPeriod), static_cast<double>(period), 1e-9);
    EXPECT_EQ(bases.PeriodBase, SinPeriod);

    // A first point already west of the centre makes the first pair the one.
    std::vector<MeasRec> west(pts.begin() + 4, pts.end());
    ASSERT_TRUE(CrossingEstimate(west, bases));
    const long double r2 = (west[1].XRad - west[0].XRad) / (west[1].Time - west[0].Time);
    EXPECT_NEAR(static_cast<double>(bases.TZeroBase), static_cast<double>(west[0].Time - west[0].XRad / r2),
                1e-9);
    EXPECT_TRUE(prompts.calls.empty());
}

TEST(SinWaveGuards, CubicWithoutTurningPointsOrConvergence) {
    long double t = 7, p = 9;
    const long double monotonic[4] = {1, 0, 1, 0}; // t^3 + t: derivative never 0
    EXPECT_EQ(CubicSine(monotonic, t, p), CubicStatus::NoTurningPoints);
    const long double quadratic[4] = {0, 1, -2, 0};
    EXPECT_EQ(CubicSine(quadratic, t, p), CubicStatus::NoTurningPoints);
    // t^3 - 2t + 2: Newton from the inflection point 0 jumps between 0 and 1 for ever.
    const long double cycle[4] = {1, 0, -2, 2};
    EXPECT_EQ(CubicSine(cycle, t, p), CubicStatus::NoConvergence);
    EXPECT_EQ(t, 7);
    EXPECT_EQ(p, 9);
    // (t - 1)(t - 4)(t + 2) = t^3 - 3t^2 - 6t + 8: turning points 1 +- sqrt(3), the crossing
    // nearest the inflection point 1 is t = 1.
    const long double good[4] = {1, -3, -6, 8};
    ASSERT_EQ(CubicSine(good, t, p), CubicStatus::Ok);
    EXPECT_NEAR(static_cast<double>(t), 1.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(p), 4 * std::sqrt(3.0), 1e-12);
}

TEST(SinWaveGuards, TooFewOrDegeneratePointsChangeNothing) {
    ScriptedPrompt prompts;
    LstSqrObj solver;
    SinTZero = 1, SinPeriod = 2, SinAmpl = 1;
    SineBases bases{123, 4};
    std::vector<MeasRec> pts = track(Start + 5, 27);
    pts.resize(3);
    prompts.expect("More Data Points Needed!");
    EXPECT_FALSE(EstimateSine(pts, solver, bases));
    // Four measurements of one image: no cubic through them.
    std::vector<MeasRec> same(4, pts[0]);
    prompts.expect("Curve Fit Not Possible!");
    EXPECT_FALSE(EstimateSine(same, solver, bases));
    EXPECT_EQ(SinTZero, 1);
    EXPECT_EQ(SinPeriod, 2);
    EXPECT_EQ(bases.TZeroBase, 123);

    // Crossing pairs with equal times, X or longitudes would divide by zero: passed over.
    std::vector<MeasRec> c = track(Start + 5, 27);
    c[1] = c[0];           // equal times in the first pair
    c[2].XRad = c[1].XRad; // equal X in the second
    c[3].Long = c[2].Long; // equal longitudes in the third
    ASSERT_TRUE(CrossingEstimate(c, bases));
    EXPECT_TRUE(std::isfinite(bases.TZeroBase) && std::isfinite(bases.PeriodBase));
    EXPECT_GT(bases.PeriodBase, 0);
    std::vector<MeasRec> none(3, c[0]);
    EXPECT_FALSE(CrossingEstimate(none, bases));
    EXPECT_EQ(bases.TZeroBase, 0);
}

TEST(SinWaveGuards, PeriodZeroAndBoundedSearch) {
    SinTZero = 8900, SinPeriod = 0, SinAmpl = 1;
    EXPECT_EQ(SinValue(8901), 0);
    const std::vector<MeasRec> pts = track(Start + 5.37L, 26.864L);
    EXPECT_TRUE(std::isfinite(SineRMS(pts)));
    EXPECT_EQ(SineRMS({}), 0);

    // A start 3 days off with searches of at most 5 steps: the bound ends the passes, reported,
    // and what is left is no worse than the start.
    SinTZero = Start + 8.37L - FitTimeOffset;
    SinPeriod = 26.864L;
    const long double startRms = SineRMS(pts);
    SineBases bases;
    const SineFitReport r = ComputeSineFit(pts, bases, SineSearchLimits{5, 2000});
    EXPECT_TRUE(r.limitReached);
    EXPECT_LE(r.rms, startRms);
    EXPECT_TRUE(std::isfinite(SinTZero) && std::isfinite(SinPeriod));

    std::string field;
    EXPECT_FALSE(ValidSineParameters(8900, 0, field));
    EXPECT_EQ(field, "Period");
    EXPECT_FALSE(ValidSineParameters(8900, -3, field));
    EXPECT_FALSE(ValidSineParameters(INFINITY, 27, field));
    EXPECT_EQ(field, "T-Zero");
    EXPECT_TRUE(ValidSineParameters(8900, 27, field));
}

} // namespace
