#include "analysis/CurveFit.h"

#include "support/Prompt.h"
#include "support/Translate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace solar {

namespace {
constexpr long double NoiseLevel = 64.0L * std::numeric_limits<long double>::epsilon();
}

void LstSqrObj::SetSize(int N, int m) {
    // The old block's room is reused: a fit every time a slider moves allocates nothing.
    NumPts = std::max(N, 0);
    NumParms = std::clamp(m, 1, MaxParms);
    Matrix.assign(static_cast<std::size_t>(NumPts) * RowWidth, 0.0L);
    MatBytes = static_cast<std::int32_t>(Matrix.size() * sizeof(long double));
}

void LstSqrObj::FreeMatrix() {
    Matrix.clear();
    Matrix.shrink_to_fit();
    MatBytes = 0;
}

bool LstSqrObj::Solve() {
    const int N = NumPts;
    const int m = NumParms;
    if (Matrix.empty() || N < m || m < 1)
        return false;
    // Size of each column before the reduction: a diagonal that ends up at rounding-noise level
    // against it counts as zero (equal times, say, leave noise rather than an exact 0).
    long double colNorm[MaxParms + 1] = {};
    for (int c = 1; c <= m; ++c) {
        long double sum = 0;
        for (int r = 1; r <= N; ++r)
            sum += A(r, c) * A(r, c);
        colNorm[c] = std::sqrt(sum);
    }
    // Plane rotations: row j takes every later row's value in column j, leaving a triangle.
    for (int j = 1; j <= m; ++j) {
        for (int k = j + 1; k <= N; ++k) {
            const long double a = A(j, j);
            const long double b = A(k, j);
            if (b == 0.0L)
                continue;
            long double c, s;
            if (std::fabs(a) >= 1e-10L * std::fabs(b)) {
                long double r = std::sqrt(a * a + b * b);
                if (a < 0)
                    r = -r;
                c = a / r;
                s = -b / r;
                A(j, j) = r;
            } else {
                // The pivot is negligible against b: exchange the rows (with a sign change).
                A(j, j) = -b;
                c = 0.0L;
                s = 1.0L;
            }
            A(k, j) = 0.0L;
            for (int l = j + 1; l <= m + 1; ++l) {
                const long double t = c * A(j, l) - s * A(k, l);
                A(k, l) = s * A(j, l) + c * A(k, l);
                A(j, l) = t;
            }
        }
    }
    // Back substitution; a zero diagonal means the columns do not determine the unknowns.
    long double x[MaxParms + 1] = {};
    for (int i = m; i >= 1; --i) {
        long double v = A(i, m + 1);
        for (int l = i + 1; l <= m; ++l)
            v -= A(i, l) * x[l];
        if (A(i, i) == 0.0L || std::fabs(A(i, i)) <= NoiseLevel * colNorm[i])
            return false;
        x[i] = v / A(i, i);
        if (!std::isfinite(x[i]))
            return false;
    }
    for (int i = 1; i <= m; ++i)
        Parms[i] = x[i];
    return true;
}

namespace {
constexpr long double RadToDeg = 57.295779513082320877L;
// A slope below this (degrees per day) crosses zero so far away that the crossing means nothing:
// 1e-6 degrees per day moves one degree in almost three thousand years.
constexpr long double MinCrossingSlope = 1e-6L;
} // namespace

bool FitLine(LinrAnalObj &d, LstSqrObj &s) {
    const int n = static_cast<int>(d.Points.size());
    if (n < 2) {
        prompt().message(translate("solar::CurveFit", "More Data Points Needed!"),
                         translate("solar::CurveFit",
                                   "Insufficient data for linear fit!\r\n\r\nTwo data points "
                                   "needed - more are recommended!"),
                         Icon::Error, Buttons::OK);
        return false;
    }
    const long double t0 = d.RefTime;
    s.SetSize(n, 2);
    for (int i = 0; i < n; ++i) {
        const MeasRec &p = d.Points[static_cast<std::size_t>(i)];
        s.A(i + 1, 1) = static_cast<long double>(p.Time) - t0;
        s.A(i + 1, 2) = 1.0L;
        s.A(i + 1, 3) = p.Long * RadToDeg;
    }
    if (!s.Solve()) {
        prompt().message(
            translate("solar::CurveFit", "No Line Fitted!"),
            arg(translate("solar::CurveFit",
                          "All measurements of spot \"%1\" have the same time, so no line can be "
                          "fitted.\r\n\r\nMeasure the spot on images of different days."),
                {d.SpotID.str()}),
            Icon::Error, Buttons::OK);
        return false;
    }
    d.Slope = s.Parms[1];
    d.RtnRate = d.Slope;
    d.Intercept = s.Parms[2];
    if (std::fabs(d.Slope) >= MinCrossingSlope) {
        const long double offset = -d.Intercept / d.Slope;
        d.TZero = static_cast<double>(t0 + offset);
    } else {
        d.TZero = 0; // no crossing within any sensible time
    }
    d.RMS = LineRMS(d);
    d.Recorded = false;
    return true;
}

long double LineRMS(const LinrAnalObj &d) {
    const std::size_t n = d.Points.size();
    if (n < 2)
        return 0.0L;
    long double sum = 0;
    for (const MeasRec &p : d.Points) {
        const long double r =
            p.Long * RadToDeg - (d.Slope * (static_cast<long double>(p.Time) - d.RefTime) + d.Intercept);
        sum += r * r;
    }
    const long double rms = std::sqrt(sum / static_cast<long double>(n - 1));
    return std::isfinite(rms) ? rms : 0.0L;
}

void LatitudeStats(const std::vector<MeasRec> &pts, long double &mean, long double &sd) {
    mean = 0;
    sd = 0;
    const std::size_t n = pts.size();
    if (n == 0)
        return;
    long double S = 0, Q = 0;
    for (const MeasRec &p : pts) {
        S += p.Lat;
        Q += p.Lat * p.Lat;
    }
    mean = S / static_cast<long double>(n);
    if (!std::isfinite(mean)) {
        mean = 0;
        return;
    }
    if (n < 2)
        return;
    // Q - S^2/n is rounding noise around zero when the latitudes are (nearly) equal.
    const long double var =
        std::max((Q - S * S / static_cast<long double>(n)) / static_cast<long double>(n - 1), 0.0L);
    sd = std::sqrt(var);
    if (!std::isfinite(sd))
        sd = 0;
}

} // namespace solar
