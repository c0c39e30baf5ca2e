#include "analysis/SinWave.h"

#include "analysis/CurveFit.h"
#include "support/Prompt.h"
#include "support/Translate.h"

#include <cmath>

namespace solar {

long double SinTZero = 0;
long double SinPeriod = 0;
long double SinAmpl = 1.0L;

namespace {

bool finite(long double v) {
    return std::isfinite(v);
}

int sign(long double v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

// A window can show at most this many days of T-zero or period.
constexpr long double ParameterLimit = 1.0e6L;

void reportCurveFitImpossible(const std::string &why) {
    prompt().message(translate("solar::SinWave", "Curve Fit Not Possible!"), why, Icon::Error, Buttons::OK);
}

} // namespace

long double SinValue(long double t) {
    if (!(SinPeriod > 0) || !finite(SinPeriod))
        return 0;
    const long double v = SinAmpl * std::sin(SineTwoPi * (t - SinTZero) / SinPeriod);
    return finite(v) ? v : 0;
}

long double SineRMS(const std::vector<MeasRec> &pts) {
    if (pts.empty())
        return 0;
    long double sum = 0;
    for (const MeasRec &m : pts) {
        const long double r = m.XRad - SinValue(static_cast<long double>(m.Time) - FitTimeOffset);
        sum += r * r;
    }
    const long double divisor = pts.size() > 1 ? static_cast<long double>(pts.size() - 1) : 1.0L;
    const long double rms = std::sqrt(sum / divisor);
    return finite(rms) ? rms : 0;
}

CubicStatus CubicSine(const long double c[4], long double &tzero, long double &period) {
    // Derivative f t^2 + e t + d; its two zeros are the cubic's turning points.
    const long double f = 3 * c[0], e = 2 * c[1], d = c[2];
    const long double D = e * e - 4 * f * d;
    if (f == 0 || !(D > 0) || !finite(D))
        return CubicStatus::NoTurningPoints;
    const long double root = std::sqrt(D);
    const long double t1 = (-e - root) / (2 * f);
    const long double t2 = (root - e) / (2 * f);
    const long double p = 2 * std::fabs(t2 - t1); // a maximum and a minimum are half a period apart
    if (!(p > 0) || !finite(p))
        return CubicStatus::NoTurningPoints;
    long double t = (t1 + t2) / 2; // the inflection point
    for (int i = 0; i < NewtonLimit; ++i) {
        const long double slope = d + t * (e + f * t);
        if (slope == 0 || !finite(slope))
            return CubicStatus::ZeroDerivative;
        const long double delta = (((c[0] * t + c[1]) * t + c[2]) * t + c[3]) / slope;
        if (!finite(delta))
            return CubicStatus::ZeroDerivative;
        t -= delta;
        if (std::fabs(delta) < 1e-7L) {
            if (!finite(t))
                return CubicStatus::NoConvergence;
            tzero = t;
            period = p;
            return CubicStatus::Ok;
        }
    }
    return CubicStatus::NoConvergence;
}

bool CrossingEstimate(const std::vector<MeasRec> &pts, SineBases &bases) {
    bases.TZeroBase = 0;
    if (pts.size() < 2)
        return false;
    // A pair can be used when its times, X positions and longitudes differ: otherwise the rate or
    // the period would be a division by zero.
    auto usable = [&](std::size_t q) {
        const MeasRec &a = pts[q], &b = pts[q + 1];
        return a.Time != b.Time && a.XRad != b.XRad && a.Long != b.Long;
    };
    std::size_t chosen = pts.size(); // none
    for (std::size_t q = 0; q + 1 < pts.size() && chosen == pts.size(); ++q) {
        const int sq = sign(pts[q].XRad), sp = sign(pts[q + 1].XRad);
        if ((sq != sp || sq > 0) && usable(q))
            chosen = q;
    }
    if (chosen == pts.size()) {
        // No crossing: the last pair that can be used.
        for (std::size_t q = pts.size() - 1; q-- > 0;) {
            if (usable(q)) {
                chosen = q;
                break;
            }
        }
    }
    if (chosen == pts.size())
        return false;
    const MeasRec &q = pts[chosen], &p = pts[chosen + 1];
    const long double tq = q.Time, tp = p.Time;
    const long double rate = (p.XRad - q.XRad) / (tp - tq);
    const long double tzero = -(q.XRad - tq * rate) / rate;
    const long double period = (tp - tq) * SineTwoPi / std::fabs(p.Long - q.Long);
    if (!finite(tzero) || !finite(period) || !(period > 0) || tzero == 0)
        return false;
    bases.TZeroBase = tzero;
    bases.PeriodBase = period;
    return true;
}

bool EstimateSine(const std::vector<MeasRec> &pts, LstSqrObj &solver, SineBases &bases) {
    const int n = static_cast<int>(pts.size());
    if (n < 4) {
        prompt().message(translate("solar::SinWave", "More Data Points Needed!"),
                         translate("solar::SinWave",
                                   "Insufficient data for curve fit!\r\n\r\nFour data points "
                                   "needed - more are recommended!"),
                         Icon::Error, Buttons::OK);
        return false;
    }
    solver.SetSize(n, 4);
    for (int i = 0; i < n; ++i) {
        const long double t = static_cast<long double>(pts[i].Time) - FitTimeOffset;
        solver.A(i + 1, 1) = t * t * t;
        solver.A(i + 1, 2) = t * t;
        solver.A(i + 1, 3) = t;
        solver.A(i + 1, 4) = 1.0L;
        solver.A(i + 1, 5) = pts[i].XRad;
    }
    if (!solver.Solve()) {
        reportCurveFitImpossible(translate(
            "solar::SinWave", "The curve fit needs measurements made at four different times at least."));
        return false;
    }
    const long double c[4] = {solver.Parms[1], solver.Parms[2], solver.Parms[3], solver.Parms[4]};
    long double tzero = 0, period = 0;
    const CubicStatus status = CubicSine(c, tzero, period);
    if (status == CubicStatus::Ok && period < CubicPeriodLimit) {
        bases.TZeroBase = tzero + FitTimeOffset;
        SinTZero = tzero;
        SinPeriod = period;
        SinAmpl = 1.0L;
        return true;
    }
    SineBases crossing = bases;
    if (!CrossingEstimate(pts, crossing)) {
        reportCurveFitImpossible(translate("solar::SinWave",
                                           "The spot's positions do not change enough from one "
                                           "measurement to the next to estimate a sine curve."));
        return false;
    }
    if (status != CubicStatus::Ok)
        prompt().message(
            translate("solar::SinWave", "Initial Estimate"),
            status == CubicStatus::NoTurningPoints
                ? translate("solar::SinWave",
                            "The cubic through these points has no turning points, so the estimate "
                            "was taken from where the spot crosses the centre of the disk.")
                : translate("solar::SinWave",
                            "The crossing of the cubic through these points could not be found, so "
                            "the estimate was taken from where the spot crosses the centre of the "
                            "disk."),
            Icon::Information, Buttons::OK);
    bases = crossing;
    SinTZero = bases.TZeroBase - FitTimeOffset;
    SinPeriod = bases.PeriodBase;
    SinAmpl = 1.0L;
    return true;
}

namespace {

// The alternating step search of one refinement pass.
class StepSearcher {
public:
    StepSearcher(const std::vector<MeasRec> &pts, const SineSearchLimits &limits)
        : pts_(pts), limits_(limits), best_(SineRMS(pts)) {}

    bool limitReached = false;

    // Steps the offset o (applied through `apply`) by s upwards while the RMS does not rise, or,
    // when the first step up fails, downwards. A failing step is undone exactly. True when the
    // offset moved.
    template <class Apply> bool search(long double &o, long double s, Apply apply) {
        const long double start = o;
        long double b = s;
        bool keepUp = true, keepDown = true;
        for (int steps = 0; keepUp || keepDown; ++steps) {
            if (steps == limits_.maxSteps) {
                limitReached = true;
                break;
            }
            const long double previous = o;
            o = previous + b;
            const bool valid = apply(o);
            const long double rms = valid ? SineRMS(pts_) : 0;
            if (valid && rms <= best_) { // a tie counts as a success
                best_ = rms;
                keepUp = b > 0;
                keepDown = b < 0;
            } else {
                o = previous;
                apply(o);
                if (b > 0)
                    keepUp = false;
                keepDown = keepDown && b > 0;
                b = -b;
            }
        }
        return o != start;
    }

private:
    const std::vector<MeasRec> &pts_;
    const SineSearchLimits &limits_;
    long double best_;
};

} // namespace

bool RefineSine(const std::vector<MeasRec> &pts, SineBases &bases, const SineSearchLimits &limits) {
    const long double Tb = bases.TZeroBase - FitTimeOffset, Pb = bases.PeriodBase;
    SinTZero = Tb;
    SinPeriod = Pb;
    StepSearcher searcher(pts, limits);
    long double oP = 0, oT = 0;
    auto applyPeriod = [&](long double o) {
        SinPeriod = Pb + o;
        return SinPeriod > 0 && finite(SinPeriod);
    };
    auto applyTZero = [&](long double o) {
        SinTZero = Tb + o;
        return finite(SinTZero);
    };
    long double step = 0.01L;
    for (int size = 0; size < 7; ++size) {
        for (int round = 0;; ++round) {
            if (round == limits.maxRounds) {
                searcher.limitReached = true;
                break;
            }
            const bool movedP = searcher.search(oP, step, applyPeriod);
            const bool movedT = searcher.search(oT, step, applyTZero);
            if (!movedP && !movedT)
                break;
        }
        step /= 10;
    }
    bases.TZeroBase = SinTZero + FitTimeOffset;
    bases.PeriodBase = SinPeriod;
    return !searcher.limitReached;
}

SineFitReport ComputeSineFit(const std::vector<MeasRec> &pts, SineBases &bases,
                             const SineSearchLimits &limits) {
    SineFitReport report;
    // Start from what the student sees, sliders included.
    bases.TZeroBase = SinTZero + FitTimeOffset;
    bases.PeriodBase = SinPeriod;
    for (report.passes = 1; report.passes <= SineFitPassLimit; ++report.passes) {
        const long double before = SineRMS(pts);
        if (!RefineSine(pts, bases, limits))
            report.limitReached = true;
        const long double after = SineRMS(pts);
        if (std::fabs(before - after) < 1e-10L) {
            report.settled = true;
            break;
        }
    }
    if (report.passes > SineFitPassLimit)
        report.passes = SineFitPassLimit;
    report.rms = SineRMS(pts);
    return report;
}

bool ValidSineParameters(long double tzero, long double period, std::string &field) {
    if (!finite(tzero) || std::fabs(tzero) > ParameterLimit) {
        field = "T-Zero";
        return false;
    }
    if (!finite(period) || !(period > 0) || period > ParameterLimit) {
        field = "Period";
        return false;
    }
    return true;
}

} // namespace solar
