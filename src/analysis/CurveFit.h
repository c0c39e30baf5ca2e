#pragma once
// Least squares by plane rotations (LstSqrObj) and the straight-line procedures of the linear
// analysis: the fit of a spot's longitude against time, its RMS about the line and the latitude
// statistics of a dataset.

#include "measure/IDList.h"
#include "measure/MeasData.h"
#include "support/ShortStr.h"

#include <cstdint>
#include <vector>

namespace solar {

// An over-determined linear system of N observation rows and m unknowns (1..6), reduced to a
// triangle by Givens rotations and solved by back substitution; normal equations are never
// formed. Fill row r (1-based) with the basis values in columns 1..m and the observed value in
// column m + 1, then Solve once (it overwrites the rows with the triangular factor).
class LstSqrObj {
public:
    static constexpr int RowWidth = 7;
    static constexpr int MaxParms = 6;

    LstSqrObj() = default;
    ~LstSqrObj() { FreeMatrix(); }
    LstSqrObj(const LstSqrObj &) = delete;
    LstSqrObj &operator=(const LstSqrObj &) = delete;

    // Replaces the block by one of N rows (any N >= 1) for m unknowns (clamped to 1..6); the
    // values are zero until the caller fills them.
    void SetSize(int N, int m);
    // Row r and column c, both from 1; r in 1..NumPts, c in 1..7.
    long double &A(int r, int c) { return Matrix[static_cast<std::size_t>(r - 1) * RowWidth + (c - 1)]; }
    long double A(int r, int c) const { return Matrix[static_cast<std::size_t>(r - 1) * RowWidth + (c - 1)]; }
    // Rotations, then back substitution into Parms[1..m]. False, with Parms as they were, when
    // there is no block, fewer rows than unknowns, a zero diagonal (a singular system, e.g. all
    // times equal) or a result that is not a finite number.
    bool Solve();
    void FreeMatrix();

    std::int32_t NumPts = 0;
    std::int32_t NumParms = 0;
    std::vector<long double> Matrix;
    long double Parms[MaxParms + 1] = {}; // 1..6 used
    std::int32_t MatBytes = 0;
};

// One dataset of the linear analysis: the measurements of one spot and its line.
struct LinrAnalObj {
    ShortString<3> SpotID;
    IDEntry Entry;        // the entry chosen in the spot-ID list
    double LastTime = 0;  // time of the last measurement
    double TZero = 0;     // the line's zero crossing (moment); 0 = none
    double FirstTime = 0; // time of the first measurement: the reference time
    long double PrevRMS = 0;
    long double RMS = 0;       // degrees
    long double Slope = 0;     // degrees per day
    long double Intercept = 0; // degrees at RefTime
    long double RefTime = 0;   // FirstTime again
    long double MeanLat = 0;   // radians
    long double LatSD = 0;     // radians
    std::uint32_t Color = 0;   // 0x00BBGGRR
    bool LineShown = false;
    bool Recorded = true;
    long double TZeroOffset = 0; // days, TZero - FirstTime
    long double Period = 0;      // always 0 here; the synodic period of the result
    long double RtnRate = 0;     // slope as shown and recorded
    std::int32_t LabelX = 0, LabelY = 0, LabelW = 0, LabelH = 0;
    std::vector<MeasRec> Points; // the spot's measurements in list order
};

// Least-squares line of longitude (degrees) against days since RefTime. With fewer than two
// points, or when the times do not determine a line (all equal), a message says so and the
// dataset stays as it was (false). Otherwise sets Slope, RtnRate, Intercept, TZero (TZero 0 =
// none when the slope is too small for a crossing), RMS, Recorded := false.
bool FitLine(LinrAnalObj &d, LstSqrObj &s);

// RMS in degrees of the longitudes about the dataset's line, divisor n - 1; 0 for fewer than two
// points.
long double LineRMS(const LinrAnalObj &d);

// Mean latitude and its standard deviation (radians). No points: both 0; one point: its latitude
// and 0; the variance is clamped at 0 so equal latitudes give 0, never NaN.
void LatitudeStats(const std::vector<MeasRec> &pts, long double &mean, long double &sd);

} // namespace solar
