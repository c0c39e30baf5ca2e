#include "analysis/DiffRot.h"

#include "analysis/CurveFit.h"
#include "analysis/RsltsData.h"
#include "astro/SunEphem.h"
#include "support/ExtReal.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <string_view>

// Marks an English text that is stored as it is and translated where it is shown (DiffRotText):
// the printed table and the saved pictures keep the English. lupdate knows the marker by this name.
#define QT_TRANSLATE_NOOP(context, text) text

namespace solar {
namespace {

constexpr long double DegPerRad = 180.0L / DiffRotPi;

long double sin2(long double latDeg) {
    const long double s = std::sin(latDeg / DegPerRad);
    return s * s;
}

// (J^T J)^-1 of a two-column block after Solve: the triangle R in rows 1..2 has R^T R = J^T J,
// so the inverse is R^-1 R^-T. Returns false when a diagonal is 0.
bool InverseNormal2(LstSqrObj &s, long double &c11, long double &c12, long double &c22) {
    const long double a = s.A(1, 1), b = s.A(1, 2), d = s.A(2, 2);
    if (a == 0 || d == 0 || !std::isfinite(a) || !std::isfinite(b) || !std::isfinite(d))
        return false;
    c11 = 1 / (a * a) + (b * b) / (a * a * d * d);
    c12 = -b / (a * d * d);
    c22 = 1 / (d * d);
    return true;
}

// Identifiers are stored upper case, but a result's ID may have been retyped in the result dialog.
bool SameID(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string Fixed(long double v, int decimals) {
    return FixedText(v, decimals);
}

} // namespace

const std::vector<RotationLaw> &PublishedLaws() {
    // The last three as tabulated with their sources in SunPy's differential-rotation function
    // (sunpy.physics.differential_rotation.diff_rot), where the two magnetic-feature laws are in
    // microradians per second; converted here with DegPerDayPerMicroradPerSec.
    static const std::vector<RotationLaw> laws = {
        // Newton, H. W. and Nunn, M. L. 1951, MNRAS 111, 413: recurrent sunspots.
        {"Newton & Nunn (1951)", QT_TRANSLATE_NOOP("solar::DiffRot", "recurrent sunspots, MNRAS 111, 413"),
         14.38L, -2.77L, 0.0L},
        // Howard, R., Harvey, J. W. and Forgach, S. 1990, Solar Physics 130, 295.
        {"Howard et al. (1990)",
         QT_TRANSLATE_NOOP("solar::DiffRot", "small magnetic features, Sol. Phys. 130, 295"),
         MicroradPerSecToDegPerDay(2.894L), MicroradPerSecToDegPerDay(-0.428L),
         MicroradPerSecToDegPerDay(-0.370L)},
        // Snodgrass, H. B. 1983, ApJ 270, 288.
        {"Snodgrass (1983)", QT_TRANSLATE_NOOP("solar::DiffRot", "magnetic features, ApJ 270, 288"),
         MicroradPerSecToDegPerDay(2.851L), MicroradPerSecToDegPerDay(-0.343L),
         MicroradPerSecToDegPerDay(-0.474L)},
        // Allen's Astrophysical Quantities (Cox, ed., 4th ed. 2000): sunspots.
        {"Allen", QT_TRANSLATE_NOOP("solar::DiffRot", "Astrophysical Quantities, sunspots"), 14.44L, -3.0L,
         0.0L},
    };
    return laws;
}

std::string DiffRotText(const std::string &english) {
    return translate("solar::DiffRot", english.c_str());
}

long double LawRate(const RotationLaw &law, long double latDeg) {
    const long double s = sin2(latDeg);
    return law.A + law.B * s + law.C * s * s;
}

long double CentralMeridianRate(long double moment) {
    // L0 (the Carrington longitude of the disc centre) falls by about 13.2 degrees a day; with the
    // Carrington frame's own sidereal rate added, its rate is the sidereal motion of the meridian
    // that faces the Earth: the Earth's orbital motion seen from the Sun, on the solar equator.
    return CarringtonSiderealRate + sunViewAtMoment(moment).l0RateDegDay;
}

long double ExactSiderealRate(long double synodicRate, long double moment) {
    return synodicRate + CentralMeridianRate(moment);
}

long double RuleSiderealRate(long double synodicRate) {
    return 360.0L / SiderealOf(360.0L / synodicRate);
}

long double LineSlopeError(const std::vector<MeasRec> &pts, long double rate, long double tZero) {
    const int n = static_cast<int>(pts.size());
    if (n < 3)
        return 0;
    LstSqrObj s;
    s.SetSize(n, 2);
    const long double t0 = pts.front().Time;
    for (int i = 0; i < n; ++i) {
        s.A(i + 1, 1) = pts[i].Time - t0;
        s.A(i + 1, 2) = 1.0L;
        s.A(i + 1, 3) = pts[i].Long * DegPerRad;
    }
    if (!s.Solve())
        return 0;
    // About the recorded line; without a crossing (T-zero 0) the line is not known, so about the
    // least-squares line of the same points.
    long double ss = 0;
    for (const MeasRec &m : pts) {
        const long double fit =
            tZero != 0 ? rate * (m.Time - tZero) : s.Parms[1] * (m.Time - t0) + s.Parms[2];
        const long double r = m.Long * DegPerRad - fit;
        ss += r * r;
    }
    long double c11, c12, c22;
    if (!InverseNormal2(s, c11, c12, c22))
        return 0;
    const long double se = std::sqrt(ss / (n - 2) * c11);
    return std::isfinite(se) ? se : 0;
}

long double SineRateError(const std::vector<MeasRec> &pts, long double tZero, long double period) {
    const int n = static_cast<int>(pts.size());
    if (n < 3 || !(period > 0))
        return 0;
    const long double w = 2 * DiffRotPi / period;
    LstSqrObj s;
    s.SetSize(n, 2);
    long double ss = 0;
    for (int i = 0; i < n; ++i) {
        const long double dt = pts[i].Time - tZero;
        const long double th = w * dt;
        const long double r = pts[i].XRad - std::sin(th);
        ss += r * r;
        // d X / d P and d X / d T-zero of X = sin(2 pi (t - T0) / P).
        s.A(i + 1, 1) = -std::cos(th) * th / period;
        s.A(i + 1, 2) = -std::cos(th) * w;
        s.A(i + 1, 3) = 0.0L;
    }
    if (!s.Solve())
        return 0;
    long double c11, c12, c22;
    if (!InverseNormal2(s, c11, c12, c22))
        return 0;
    const long double seP = std::sqrt(ss / (n - 2) * c11);
    const long double se = 360.0L / (period * period) * seP;
    return std::isfinite(se) ? se : 0;
}

bool PointOfResult(const RsltsRec &rec, const std::vector<MeasRec> &meas, RatePoint &out) {
    out = RatePoint{};
    out.ID = rec.SpotID.str();
    out.LatDeg = rec.MeanLat * DegPerRad;
    out.TZero = rec.TZero;
    // The result's own measurements: its ID, inside its span (a millisecond's slack for the
    // 64-bit times), all of one unit.
    std::vector<MeasRec> own;
    for (const MeasRec &m : meas)
        if (SameID(m.ID.view(), rec.SpotID.view()) && m.Time >= rec.FirstTime - 1e-8 &&
            m.Time <= rec.LastTime + 1e-8)
            own.push_back(m);
    const bool sineUnit = !own.empty() && own.front().Unit == UnitSolarRadius;
    for (const MeasRec &m : own)
        if (m.Unit != own.front().Unit) {
            own.clear();
            break;
        }
    if (rec.RtnRate > 10 && !sineUnit)
        out.SynRate = rec.RtnRate;
    else if (rec.SynPeriod > 0)
        out.SynRate = 360.0L / rec.SynPeriod;
    else if (rec.RtnRate > 10)
        out.SynRate = rec.RtnRate;
    else
        return false;
    if (!std::isfinite(out.SynRate))
        return false;
    out.RuleRate = RuleSiderealRate(out.SynRate);
    // The meridian's motion at T-zero; a result without one takes the middle of its span.
    out.ExactRate =
        ExactSiderealRate(out.SynRate, rec.TZero != 0 ? rec.TZero : (rec.FirstTime + rec.LastTime) / 2.0L);
    if (!own.empty() && own.front().Unit == UnitHeliographic) {
        out.Sigma = LineSlopeError(own, out.SynRate, rec.TZero);
    } else if (sineUnit && rec.SynPeriod > 0) {
        out.Sine = true;
        out.Sigma = SineRateError(own, rec.TZero, rec.SynPeriod);
    }
    if (out.Sigma > 0)
        out.NumPts = static_cast<int>(own.size());
    return true;
}

LawFit FitStudentLaw(const std::vector<RatePoint> &pts, bool useRule) {
    LawFit f;
    const int n = static_cast<int>(pts.size());
    std::vector<long double> xs;
    for (const RatePoint &p : pts)
        xs.push_back(sin2(p.LatDeg));
    std::vector<long double> distinct = xs;
    std::sort(distinct.begin(), distinct.end());
    int nd = 0;
    for (std::size_t i = 0; i < distinct.size(); ++i)
        if (i == 0 || distinct[i] - distinct[i - 1] > 1e-9L)
            ++nd;
    if (nd < 2) {
        f.Message = QT_TRANSLATE_NOOP(
            "solar::DiffRot", "A law needs results at two or more different latitudes (north and south "
                              "of the equator count as the same); record more spots.");
        return f;
    }
    f.Weighted = std::all_of(pts.begin(), pts.end(), [](const RatePoint &p) { return p.Sigma > 0; });
    LstSqrObj s;
    s.SetSize(n, 2);
    for (int i = 0; i < n; ++i) {
        const long double w = f.Weighted ? 1 / pts[i].Sigma : 1.0L;
        s.A(i + 1, 1) = w;
        s.A(i + 1, 2) = w * xs[i];
        s.A(i + 1, 3) = w * (useRule ? pts[i].RuleRate : pts[i].ExactRate);
    }
    if (!s.Solve()) {
        f.Message = QT_TRANSLATE_NOOP("solar::DiffRot",
                                      "The fit of the law failed: the latitudes are too close together.");
        return f;
    }
    f.A = s.Parms[1];
    f.B = s.Parms[2];
    long double chi = 0;
    for (int i = 0; i < n; ++i) {
        const long double r = (useRule ? pts[i].RuleRate : pts[i].ExactRate) - (f.A + f.B * xs[i]);
        f.Residuals.push_back(r);
        const long double z = f.Weighted ? r / pts[i].Sigma : r;
        chi += z * z;
    }
    long double c11, c12, c22;
    if (InverseNormal2(s, c11, c12, c22)) {
        // The error bars fix the relative weights and the points' own scatter the scale
        // (chi^2 per degree of freedom), so bars that miss a spot's proper motion cannot make the
        // law look surer than its points are. Two points leave no scatter: weighted, the bars
        // alone give the errors; unweighted, there are none.
        long double scale = 0;
        if (n > 2) {
            f.ChiSqPerDof = chi / (n - 2);
            scale = f.ChiSqPerDof;
        } else if (f.Weighted) {
            scale = 1;
        }
        if (scale > 0) {
            f.HasErrors = true;
            f.SeA = std::sqrt(scale * c11);
            f.SeB = std::sqrt(scale * c22);
        }
    }
    f.Ok = true;
    return f;
}

int RateLatGeometry::XOf(long double latDeg) const {
    return static_cast<int>(roundToInt(Left + (latDeg - LatMin) / (LatMax - LatMin) * (Right - Left)));
}

int RateLatGeometry::YOf(long double rate) const {
    return static_cast<int>(roundToInt(Top + (RateMax - rate) / (RateMax - RateMin) * (Bottom - Top)));
}

RateLatGeometry ComputeRateLatGeometry(const std::vector<RatePoint> &pts, const std::vector<bool> &lawsShown,
                                       const LawFit *studentLaw, int width, int height) {
    RateLatGeometry g;
    g.Width = width;
    g.Height = height;
    g.Left = 70;
    g.Right = width - 20;
    g.Top = 20;
    // Below the frame: the tick labels, the axis title and the legend (up to six lines).
    g.Bottom = height - 180;
    g.LegendTop = g.Bottom + 50;
    g.LineHeight = 18;

    long double latAbs = 40, lo = 12, hi = 15;
    for (const RatePoint &p : pts) {
        latAbs = std::max(latAbs, std::fabs(p.LatDeg));
        for (long double r : {p.ExactRate - p.Sigma, p.RuleRate - p.Sigma, p.ExactRate, p.RuleRate}) {
            lo = std::min(lo, r);
        }
        for (long double r : {p.ExactRate + p.Sigma, p.RuleRate + p.Sigma, p.ExactRate, p.RuleRate}) {
            hi = std::max(hi, r);
        }
    }
    // Rates far off the Sun's (a mistyped period) would squash the plot: keep 8..20 at most.
    lo = std::max(lo, 8.0L);
    hi = std::min(hi, 20.0L);
    g.LatMax = std::min(90.0L, std::ceil(latAbs / 10 - 1e-9L) * 10);
    g.LatMin = -g.LatMax;
    g.RateMin = std::floor(lo * 2 + 1e-9L) / 2;
    g.RateMax = std::ceil(hi * 2 - 1e-9L) / 2;

    for (long double lat = g.LatMin; lat <= g.LatMax + 1e-9L; lat += 10)
        g.XTicks.push_back({g.XOf(lat), Fixed(lat, 0)});
    const long double step = (g.RateMax - g.RateMin) > 6 ? 1.0L : 0.5L;
    for (long double r = std::ceil(g.RateMin / step - 1e-9L) * step; r <= g.RateMax + 1e-9L; r += step)
        g.YTicks.push_back({g.YOf(r), Fixed(r, 1)});

    std::map<std::string, int> colours;
    for (const RatePoint &p : pts) {
        PlotPointGeom q;
        auto it = colours.find(p.ID);
        if (it == colours.end())
            it = colours.emplace(p.ID, static_cast<int>(colours.size()) % 6).first;
        q.colourIndex = it->second;
        q.at = {g.XOf(p.LatDeg), g.YOf(p.ExactRate)};
        q.ruleAt = {g.XOf(p.LatDeg), g.YOf(p.RuleRate)};
        if (p.Sigma > 0) {
            q.hasBar = true;
            q.barTop = g.YOf(p.ExactRate + p.Sigma);
            q.barBottom = g.YOf(p.ExactRate - p.Sigma);
        }
        q.label = {q.at.x + 6, q.at.y - 16};
        g.Points.push_back(q);
    }

    auto curve = [&g](int index, auto rateAt) {
        PlotCurve c;
        c.lawIndex = index;
        for (int x = g.Left; x <= g.Right; ++x) {
            const long double lat = g.LatMin + (x - g.Left) * (g.LatMax - g.LatMin) / (g.Right - g.Left);
            const long double r = rateAt(lat);
            if (r < g.RateMin || r > g.RateMax)
                continue;
            c.pts.push_back({x, g.YOf(r)});
        }
        g.Curves.push_back(std::move(c));
    };
    const std::vector<RotationLaw> &laws = PublishedLaws();
    for (std::size_t i = 0; i < laws.size(); ++i)
        if (i < lawsShown.size() && lawsShown[i])
            curve(static_cast<int>(i), [&laws, i](long double lat) { return LawRate(laws[i], lat); });
    if (studentLaw && studentLaw->Ok)
        curve(-1, [studentLaw](long double lat) { return studentLaw->A + studentLaw->B * sin2(lat); });
    return g;
}

} // namespace solar
