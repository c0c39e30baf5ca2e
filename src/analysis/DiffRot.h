#pragma once
// Differential rotation: the recorded results as sidereal rates against latitude, the published
// rotation laws, the student's own weighted fit of A + B sin^2(lat), the exact synodic-to-sidereal
// conversion, and the geometry of the rate-against-latitude plot (plain computation; the window
// paints it).

#include "measure/MeasData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace solar {

struct RsltsRec;

// ---- Units ----
constexpr long double DiffRotPi = 3.141592653589793238462643383279502884L;
// One microradian per second in degrees per day: 86400 s/day x 1e-6 rad x 180/pi deg/rad.
constexpr long double DegPerDayPerMicroradPerSec = 86400.0L * 1.0e-6L * 180.0L / DiffRotPi;
constexpr long double MicroradPerSecToDegPerDay(long double v) {
    return v * DegPerDayPerMicroradPerSec;
}

// ---- Published laws: sidereal rate = A + B sin^2(lat) + C sin^4(lat), degrees per day ----
struct RotationLaw {
    std::string Name;   // short name for the legend
    std::string Source; // where the coefficients come from
    long double A = 0, B = 0, C = 0;
};

// The four laws the plot offers, in this order: Newton & Nunn (1951), Howard et al. (1990),
// Snodgrass (1983), Allen's Astrophysical Quantities; all converted to degrees per day.
const std::vector<RotationLaw> &PublishedLaws();

long double LawRate(const RotationLaw &law, long double latDeg);

// A law's Source or a fit's Message, which are kept in English, in the language of the user
// interface (for the screen; the printed table and the saved pictures keep the English).
std::string DiffRotText(const std::string &english);

// ---- Exact synodic to sidereal ----
// The sidereal motion of the central meridian, degrees per day, at a moment (days since
// 1899-12-30 UT): Carrington's rate plus the rate of change of L0 from the solar ephemeris. It
// carries the Earth's changing orbital speed and the tilt of the solar equator to the ecliptic.
long double CentralMeridianRate(long double moment);
// Sidereal rate of a spot from its synodic rate (from the central meridian) at a moment.
long double ExactSiderealRate(long double synodicRate, long double moment);
// The same by the 365.25-day rule the results list uses.
long double RuleSiderealRate(long double synodicRate);

// ---- One recorded result as a point of the plot ----
struct RatePoint {
    std::string ID;
    long double LatDeg = 0;
    long double SynRate = 0;   // degrees per day, from the central meridian
    long double RuleRate = 0;  // sidereal by the 365.25-day rule
    long double ExactRate = 0; // sidereal by the true motion of the central meridian at T-zero
    long double Sigma = 0;     // standard error of the rate, degrees per day; 0 = none
    long double TZero = 0;     // date-time
    int NumPts = 0;            // measurements the error came from
    bool Sine = false;         // from a sine-curve result (solar radii)
};

// Standard error of the slope of the recorded line lon = rate (t - tZero) through the points
// (longitudes in radians from the central meridian): s / sqrt(Sxx) with s^2 = sum r^2 / (n - 2);
// tZero 0 (no crossing) takes the residuals about the least-squares line instead. 0 with fewer
// than three points or equal times.
long double LineSlopeError(const std::vector<MeasRec> &pts, long double rate, long double tZero);
// Standard error of the rate 360 / P of the sine X = sin(2 pi (t - tZero) / P) through the points
// (X in solar radii), from the linearised least squares in P and T-zero: cov = s^2 (J^T J)^-1,
// s^2 = sum r^2 / (n - 2), and d(rate) = 360 / P^2 dP. 0 with fewer than three points.
long double SineRateError(const std::vector<MeasRec> &pts, long double tZero, long double period);

// The point of a result, or false when it carries no rate at all. `meas` is the whole
// measurement list: the result's own measurements (same ID, inside its time span) give the error.
bool PointOfResult(const RsltsRec &rec, const std::vector<MeasRec> &meas, RatePoint &out);

// ---- The student's law: rate = A + B sin^2(lat) ----
struct LawFit {
    bool Ok = false;
    std::string Message; // why there is no fit
    bool Weighted = false;
    bool HasErrors = false; // standard errors need more than two points (or weights)
    long double A = 0, B = 0, SeA = 0, SeB = 0;
    long double ChiSqPerDof = 0;        // weighted: chi^2 / (n - 2); unweighted: s^2
    std::vector<long double> Residuals; // rate - law, per point in order
};

// Fits the exact sidereal rates (or the rule's, when `useRule`) through the least-squares solver;
// weighted by 1 / Sigma^2 when every point has an error. Fewer than two distinct values of
// sin^2(lat) give no fit and a message.
LawFit FitStudentLaw(const std::vector<RatePoint> &pts, bool useRule = false);

// ---- Plot geometry ----
struct PlotPx {
    int x = 0, y = 0;
};
struct PlotTick {
    int pos = 0; // pixel x (latitude axis) or y (rate axis)
    std::string text;
};
struct PlotPointGeom {
    PlotPx at, ruleAt; // exact rate, and the 365.25-day rule
    bool hasBar = false;
    int barTop = 0, barBottom = 0; // pixel rows of rate + sigma and rate - sigma
    PlotPx label;                  // top left of the ID label
    int colourIndex = 0;           // into the spot colour table, one per spot ID
};
struct PlotCurve {
    int lawIndex = -1; // into PublishedLaws(), or -1 for the student's law
    std::vector<PlotPx> pts;
};

struct RateLatGeometry {
    int Width = 760, Height = 560;
    int Left = 70, Top = 20, Right = 740, Bottom = 380; // plot frame
    long double LatMin = -40, LatMax = 40, RateMin = 12, RateMax = 15;
    std::vector<PlotTick> XTicks, YTicks;
    std::vector<PlotPointGeom> Points;
    std::vector<PlotCurve> Curves;
    int LegendTop = 430, LineHeight = 18;

    int XOf(long double latDeg) const;
    int YOf(long double rate) const;
};

// Frame, ranges (latitude +-40 deg widened in steps of 10 to hold every point; rates 12..15
// deg/day widened in steps of 0.5 to hold every point with its bar), ticks, points, bars and one
// sample per pixel column for each shown law.
RateLatGeometry ComputeRateLatGeometry(const std::vector<RatePoint> &pts, const std::vector<bool> &lawsShown,
                                       const LawFit *studentLaw, int width = 760, int height = 560);

// Spot colours in 0x00BBGGRR, one per spot ID in order of first appearance: the dataset colours of
// the linear analysis and of the rate-against-latitude plot. They are six of the eight colours of
// the Okabe-Ito palette (Okabe, M. and Ito, K. 2008, "Color Universal Design", https://jfly.uni-
// koeln.de/color/), which stay apart for readers with red-green colour blindness; its blue and
// black are left out, being too dark on the navy plot background. Each keeps a contrast of at
// least 3 : 1 against the navy background (WCAG 2): orange #E69F00, sky blue #56B4E9, bluish
// green #009E73, yellow #F0E442, vermillion #D55E00, reddish purple #CC79A7.
constexpr std::uint32_t SpotColours[6] = {0x009FE6, 0xE9B456, 0x739E00, 0x42E4F0, 0x005ED5, 0xA779CC};

} // namespace solar
