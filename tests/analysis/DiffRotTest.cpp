// Rotation laws and their units, the student's law fit and its standard errors, the exact
// synodic-to-sidereal conversion against the sample database's answer key, and plot pixels.

#include "analysis/DiffRot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

using namespace solar;

namespace {

const double Pi = std::acos(-1.0);

RatePoint Pt(const std::string &id, double lat, double rate, double sigma) {
    RatePoint p;
    p.ID = id;
    p.LatDeg = lat;
    p.ExactRate = p.RuleRate = p.SynRate = rate;
    p.Sigma = sigma;
    return p;
}

} // namespace

TEST(DiffRotLaws, EquatorAndThirtyDegreesInDegreesPerDay) {
    // Expected: coefficients as published; microradians per second times 1e-6 rad, 86400 s and
    // 180/pi deg; sin^2(30) = 1/4 and sin^4(30) = 1/16 exactly. Tolerance: double rounding.
    const double k = 1e-6 * 86400.0 * 180.0 / Pi; // 4.9503545...
    struct Expect {
        double eq, at30;
    } want[4] = {
        {14.38, 14.38 - 2.77 / 4},
        {2.894 * k, (2.894 - 0.428 / 4 - 0.370 / 16) * k},
        {2.851 * k, (2.851 - 0.343 / 4 - 0.474 / 16) * k},
        {14.44, 14.44 - 3.0 / 4},
    };
    const auto &laws = PublishedLaws();
    ASSERT_EQ(laws.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(double(LawRate(laws[i], 0)), want[i].eq, 1e-9) << laws[i].Name;
        EXPECT_NEAR(double(LawRate(laws[i], 30)), want[i].at30, 1e-9) << laws[i].Name;
        EXPECT_NEAR(double(LawRate(laws[i], -30)), want[i].at30, 1e-9) << laws[i].Name;
    }
    // Howard et al. at the equator: 14.326 deg/day, the value usually quoted for it.
    EXPECT_NEAR(double(LawRate(laws[1], 0)), 14.326, 0.001);
}

TEST(DiffRotFit, RecoversTheLawWithHonestErrors) {
    // 400 synthetic sets of 10 spots from 14.38 - 2.77 sin^2(lat) with Gaussian noise of each
    // point's own sigma. The stated errors must match the real scatter of A and B to 20 %, and a
    // single fit must lie within three of its stated errors.
    const double A = 14.38, B = -2.77;
    for (bool weighted : {true, false}) {
        double sumDa2 = 0, sumDb2 = 0, sumSa2 = 0, sumSb2 = 0;
        const int sets = 400;
        for (int seed = 1; seed <= sets; ++seed) {
            std::mt19937 gen(seed);
            std::uniform_real_distribution<double> lat(-35, 35), sig(0.05, 0.3);
            std::normal_distribution<double> z(0, 1);
            std::vector<RatePoint> pts;
            for (int i = 0; i < 10; ++i) {
                const double phi = lat(gen), s = weighted ? sig(gen) : 0.15;
                const double sn = std::sin(phi * Pi / 180);
                pts.push_back(Pt("S", phi, A + B * sn * sn + s * z(gen), weighted ? s : 0));
            }
            const LawFit f = FitStudentLaw(pts);
            ASSERT_TRUE(f.Ok && f.HasErrors);
            EXPECT_EQ(f.Weighted, weighted);
            ASSERT_EQ(f.Residuals.size(), pts.size());
            if (seed == 1) {
                EXPECT_NEAR(double(f.A), A, 3 * double(f.SeA));
                EXPECT_NEAR(double(f.B), B, 3 * double(f.SeB));
                const double s2 = std::sin(pts[3].LatDeg * Pi / 180) * std::sin(pts[3].LatDeg * Pi / 180);
                EXPECT_NEAR(double(f.Residuals[3]), double(pts[3].ExactRate) - (f.A + f.B * s2), 1e-12);
            }
            sumDa2 += (f.A - A) * (f.A - A);
            sumDb2 += (f.B - B) * (f.B - B);
            sumSa2 += f.SeA * f.SeA;
            sumSb2 += f.SeB * f.SeB;
        }
        EXPECT_NEAR(std::sqrt(sumSa2 / sumDa2), 1.0, 0.2) << (weighted ? "weighted" : "unweighted");
        EXPECT_NEAR(std::sqrt(sumSb2 / sumDb2), 1.0, 0.2) << (weighted ? "weighted" : "unweighted");
    }
}

TEST(DiffRotFit, NeedsTwoDifferentLatitudes) {
    // North and south at the same latitude tell nothing about B.
    LawFit f = FitStudentLaw({Pt("A", 15, 14.2, 0.1), Pt("B", -15, 14.1, 0.1), Pt("C", 15, 14.15, 0.1)});
    EXPECT_FALSE(f.Ok);
    EXPECT_NE(f.Message.find("two or more different latitudes"), std::string::npos);
    EXPECT_FALSE(FitStudentLaw({}).Ok);
    // Two latitudes, unweighted: the law passes through both, with no room for errors.
    f = FitStudentLaw({Pt("A", 0, 14.4, 0), Pt("B", 30, 13.7, 0)});
    ASSERT_TRUE(f.Ok);
    EXPECT_FALSE(f.HasErrors);
    EXPECT_NEAR(double(f.A), 14.4, 1e-12);
    EXPECT_NEAR(double(f.B), (13.7 - 14.4) * 4, 1e-9);
}

TEST(DiffRotErrors, SlopeAndSineErrorsMatchClosedForms) {
    // Slope: s / sqrt(Sxx) with s^2 = sum r^2 / (n - 2) about the recorded line.
    std::vector<MeasRec> pts;
    const double rate = 13.2, tz = 45900.3;
    const double t[] = {45895.6, 45896.7, 45897.5, 45899.8, 45901.6, 45902.7};
    const double noise[] = {0.3, -0.2, 0.1, -0.4, 0.25, 0.05};
    double ss = 0, tm = 0, sxx = 0;
    for (int i = 0; i < 6; ++i) {
        MeasRec m;
        m.Time = t[i];
        m.Long = (rate * (t[i] - tz) + noise[i]) * Pi / 180;
        pts.push_back(m);
        ss += noise[i] * noise[i];
        tm += t[i] / 6;
    }
    for (double x : t)
        sxx += (x - tm) * (x - tm);
    EXPECT_NEAR(double(LineSlopeError(pts, rate, tz)), std::sqrt(ss / 4 / sxx), 1e-9);
    // No crossing recorded: about the least-squares line, whose residuals are never larger.
    const double lsq = double(LineSlopeError(pts, rate, 0));
    EXPECT_GT(lsq, 0);
    EXPECT_LE(lsq, std::sqrt(ss / 4 / sxx) + 1e-12);
    pts.resize(2);
    EXPECT_EQ(LineSlopeError(pts, rate, tz), 0); // no residual freedom

    // Sine: dRate = 360 / P^2 dP, dP from the 2 x 2 normal matrix of the partials in P and T0.
    const double P = 27.2;
    std::vector<MeasRec> sp;
    double jpp = 0, jpt = 0, jtt = 0, rs = 0;
    for (int i = 0; i < 6; ++i) {
        MeasRec m;
        m.Time = t[i];
        const double th = 2 * Pi * (t[i] - tz) / P;
        m.XRad = std::sin(th) + noise[i] / 100;
        sp.push_back(m);
        const double dp = -std::cos(th) * th / P, dt = -std::cos(th) * 2 * Pi / P;
        jpp += dp * dp;
        jpt += dp * dt;
        jtt += dt * dt;
        rs += noise[i] / 100 * noise[i] / 100;
    }
    const double varP = rs / 4 * jtt / (jpp * jtt - jpt * jpt);
    EXPECT_NEAR(double(SineRateError(sp, tz, P)), 360 / (P * P) * std::sqrt(varP), 1e-9);
}

TEST(DiffRotConversion, ExactSiderealMatchesTheAnswerKey) {
    // The key gives each spot's synodic and sidereal rate, related by the mean sidereal motion of
    // the central meridian over the series; the conversion at the middle of the spot's span must
    // agree within 0.005 deg/day. The 365.25-day rule is checked to be off by more here (late
    // August, the Earth near its slowest), or the test would not tell the two apart.
    std::ifstream in(std::string(SOLARRTN_BIN_DIR) + "/INSTRUCTOR/synth_answer_key.csv");
    ASSERT_TRUE(in) << "the sample database is made by the solarimages target";
    std::string line;
    std::getline(in, line);
    struct Spot {
        double first = 1e9, last = 0, syn = 0, sid = 0;
    };
    std::map<std::string, Spot> spots;
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string c; std::getline(ss, c, ',');)
            f.push_back(c);
        ASSERT_GE(f.size(), 17u);
        Spot &s = spots[f[6]];
        const double moment = std::stod(f[3]);
        s.first = std::min(s.first, moment);
        s.last = std::max(s.last, moment);
        s.sid = std::stod(f[13]);
        s.syn = std::stod(f[15]);
    }
    ASSERT_EQ(spots.size(), 6u);
    double worstRule = 0;
    for (const auto &[id, s] : spots) {
        const long double mid = (s.first + s.last) / 2;
        EXPECT_NEAR(double(ExactSiderealRate(s.syn, mid)), s.sid, 0.005) << id;
        worstRule = std::max(worstRule, std::fabs(double(RuleSiderealRate(s.syn)) - s.sid));
    }
    EXPECT_GT(worstRule, 0.01);
}

TEST(DiffRotConversion, CentralMeridianMotionOverAYear) {
    // Mean over a year near 360 / 365.25 (the Earth's sidereal motion), swinging a few percent
    // with the orbital speed (perihelion in early January fastest) and the equator's tilt.
    double sum = 0, lo = 9, hi = 0, jan = 0, jul = 0;
    const double start = 45658; // 2025-01-01
    for (int d = 0; d < 365; ++d) {
        const double r = double(CentralMeridianRate(start + d + 0.5));
        sum += r;
        lo = std::min(lo, r);
        hi = std::max(hi, r);
        if (d == 3)
            jan = r;
        if (d == 185)
            jul = r;
    }
    EXPECT_NEAR(sum / 365, 360.0 / 365.25, 0.002);
    EXPECT_GT(jan, jul + 0.05);
    EXPECT_GT(hi - 360 / 365.25, 0.03);
    EXPECT_LT(lo - 360 / 365.25, -0.03);
}

TEST(DiffRotPlot, PixelsOfAPointABarAndALaw) {
    // The frame of a 760 x 560 picture is x 70..740, y 20..380; latitudes -40..40 and rates
    // 12..15 deg/day fill it; pixels are rounded half to even.
    RatePoint p = Pt("A", 20, 14.0, 0.1);
    p.RuleRate = 13.9;
    std::vector<bool> laws = {true, false, false, false};
    const RateLatGeometry g = ComputeRateLatGeometry({p}, laws, nullptr);
    auto px = [](double lat) { return std::nearbyint(70 + (lat + 40) / 80 * 670); };
    auto py = [](double r) { return std::nearbyint(20 + (15 - r) / 3 * 360); };
    ASSERT_EQ(g.Points.size(), 1u);
    EXPECT_EQ(g.Points[0].at.x, px(20)); // 572.5 -> 572
    EXPECT_EQ(g.Points[0].at.y, py(14.0));
    EXPECT_EQ(g.Points[0].ruleAt.y, py(13.9));
    EXPECT_TRUE(g.Points[0].hasBar);
    EXPECT_EQ(g.Points[0].barTop, py(14.1));
    EXPECT_EQ(g.Points[0].barBottom, py(13.9));
    ASSERT_EQ(g.Curves.size(), 1u);
    // Column 405 is latitude 0: 14.38; column 656 is latitude 30: 14.38 - 2.77 / 4.
    bool at0 = false, at30 = false;
    for (const PlotPx &q : g.Curves[0].pts) {
        if (q.x == 405) {
            at0 = true;
            EXPECT_EQ(q.y, py(14.38));
        }
        if (q.x == 656) {
            at30 = true;
            const double lat = -40 + (656 - 70) * 80.0 / 670, s = std::sin(lat * Pi / 180);
            EXPECT_EQ(q.y, py(14.38 - 2.77 * s * s));
        }
    }
    EXPECT_TRUE(at0 && at30);
    // A spot at 47 degrees and a slow one widen the axes in whole steps.
    const RateLatGeometry w = ComputeRateLatGeometry({p, Pt("B", -47, 11.3, 0.3)}, laws, nullptr);
    EXPECT_EQ(double(w.LatMin), -50);
    EXPECT_EQ(double(w.RateMin), 11.0);
    EXPECT_EQ(w.Points[1].colourIndex, 1);
}
