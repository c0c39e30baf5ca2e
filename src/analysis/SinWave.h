#pragma once
// The sine model of a spot's position across the disc, X(t) = A sin(2 pi (t - T0) / P) on the
// fit-time scale (moment - 37000 days), and the procedures that fit it to one spot's solar-radius
// measurements: the RMS, the estimate from a cubic (or from where the spot crosses the centre),
// and the step search that refines T-zero and the period. Every loop here has a bound.

#include "measure/MeasData.h"

#include <string>
#include <vector>

namespace solar {

class LstSqrObj;

// Fit time = moment - FitTimeOffset.
constexpr long double FitTimeOffset = 37000.0L;
constexpr long double SineTwoPi = 6.283185307179586477L;
// Both estimates switch to the crossing estimate at a period of this many days or more.
constexpr long double CubicPeriodLimit = 30.0L;

// The model's parameters, shared by the whole program and kept between visits to the analysis.
extern long double SinTZero;  // T-zero, fit-time days
extern long double SinPeriod; // period, days
extern long double SinAmpl;   // amplitude, solar radii; every estimate sets 1.0

// SinAmpl sin(2 pi (t - SinTZero) / SinPeriod) at fit time t; 0 when the period is not a positive
// finite number or the result would not be finite.
long double SinValue(long double t);

// The analysis window's slider zero points, read and set by the procedures.
struct SineBases {
    long double TZeroBase = 0;  // date-time; 0 = none
    long double PeriodBase = 0; // days
};

// RMS of the X positions (solar radii) about the sine: sqrt(sum r^2 / (n - 1)); the one residual's
// size for one point; 0 without points.
long double SineRMS(const std::vector<MeasRec> &pts);

// What the cubic y = c[0] t^3 + c[1] t^2 + c[2] t + c[3] says of a sine through the same points.
enum class CubicStatus {
    Ok,
    NoTurningPoints, // a flat or monotonic cubic (leading coefficient 0, discriminant <= 0)
    ZeroDerivative,  // Newton met a flat point of the cubic
    NoConvergence,   // Newton did not settle within NewtonLimit iterations
};
constexpr int NewtonLimit = 100;
// The zero crossing nearest the inflection point (Newton to |step| < 1e-7) and twice the distance
// of the turning points. On any status but Ok, tzero and period are left as they were.
CubicStatus CubicSine(const long double c[4], long double &tzero, long double &period);

// The initial estimate from the loaded points. Fewer than four points, or fewer than four distinct
// times, are reported and change nothing (false). When the cubic gives no usable answer (see
// CubicStatus) or a period of 30 days or more, the crossing estimate is used instead; a cubic that
// failed is reported. Sets SinTZero, SinPeriod, SinAmpl and the T-zero base.
bool EstimateSine(const std::vector<MeasRec> &pts, LstSqrObj &solver, SineBases &bases);

// T-zero and period from the first pair of consecutive points that crosses the centre (or starts
// west of it, or else the last pair). Pairs that cannot give finite values (equal times, equal X
// or equal longitudes) are passed over. False, with the T-zero base 0 and the period base
// unchanged, when no pair can be used.
bool CrossingEstimate(const std::vector<MeasRec> &pts, SineBases &bases);

// Limits of the refinement: steps of one search, rounds at one step size.
struct SineSearchLimits {
    int maxSteps = 5000;
    int maxRounds = 2000;
};

// One pass of the step search from the bases (T-zero base on the date-time scale). Leaves the best
// parameters found in SinTZero / SinPeriod and sets the bases to them. False when a limit ended a
// search or a round early (the parameters are still the best found).
bool RefineSine(const std::vector<MeasRec> &pts, SineBases &bases, const SineSearchLimits &limits = {});

struct SineFitReport {
    int passes = 0;
    bool settled = false;      // the RMS changed by less than 1e-10 in the last pass
    bool limitReached = false; // a search or round limit stopped a pass early
    long double rms = 0;
};
constexpr int SineFitPassLimit = 16;
// Refinement passes from the present parameters (the bases are set to them first) until the RMS
// changes by less than 1e-10, at most 16 passes.
SineFitReport ComputeSineFit(const std::vector<MeasRec> &pts, SineBases &bases,
                             const SineSearchLimits &limits = {});

// Checks a T-zero (fit-time days) and a period typed by the student: finite, the period above 0,
// both within a million days. `field` names the bad one ("T-Zero" or "Period") when false.
bool ValidSineParameters(long double tzero, long double period, std::string &field);

} // namespace solar
