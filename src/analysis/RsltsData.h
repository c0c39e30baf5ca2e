#pragma once
// The result record of one analysed spot, the results list (sorted by spot ID), the period and
// rate conversions, and the lines of the results table and of its CSV report.

#include "support/LinkLst.h"
#include "support/ShortStr.h"

#include <string>
#include <vector>

namespace solar {

struct RsltsRec {
    ShortString<3> SpotID;
    double FirstTime = 0;      // first measurement of the dataset (moment)
    double LastTime = 0;       // last measurement
    long double MeanLat = 0;   // radians
    long double LatRMS = 0;    // radians, latitude standard deviation
    long double LongRMS = 0;   // radians, RMS of the fit
    long double SidPeriod = 0; // days; 0 = none
    long double TZero = 0;     // moment
    long double SynPeriod = 0; // days; 0 = none
    long double RtnRate = 0;   // degrees per day; 10 or less counts as none in the table
};

constexpr long double YearDays = 365.25L;
constexpr long double FullCircle = 360.0L;
constexpr long double RsltsRadToDeg = 57.295779513082320877L;
// Rates of 10 degrees per day or less count as none in the dialog and the text table.
constexpr long double NoRateLimit = 10.0L;

// Sidereal period of a synodic one: P * 365.25 / (P + 365.25); 0 when there is no period or the
// result is not a finite positive number.
long double SiderealOf(long double synodic);
// 360 / period and 360 / rate; 0 (none) for 0 or a result that is not finite.
long double RateOfPeriod(long double synodic);
long double PeriodOfRate(long double rate);

// Non-finite fields become 0 (none), so no NaN or infinity reaches a table or a file.
void SanitizeResult(RsltsRec &rec);

// All results, ascending by spot ID (ordinal bytes, a prefix first); equal = same spot ID.
class RsltsList : public SortedList {
public:
    RsltsList() : SortedList(sizeof(RsltsRec)) {}
    bool Equal(const void *a, const void *b) const override;
    bool Greater(const void *a, const void *b) const override;
    using SortedList::Insert;
    void Insert(const RsltsRec &rec) { SortedList::Insert(&rec); }
    std::vector<RsltsRec> records();
};

// Julian date of a moment, 5 decimals.
std::string JulianDayText(long double moment);

// The two header lines of the table, one line per record, and the four lines after the records
// (two empty, then the note on T-zero).
std::vector<std::string> RsltsHeaderLines();
std::string RsltsLine(const RsltsRec &rec);
std::vector<std::string> RsltsFooterLines();

// The CSV report without line ends: title, " ", column titles, one line per record, " ", note.
std::string RsltsCsvLine(const RsltsRec &rec);
std::vector<std::string> RsltsCsvLines(const std::vector<RsltsRec> &recs);
// Writes the CSV report (CR LF after every line) beside the target and renames it over the target
// once complete; false and `error` on failure.
bool writeRsltsCsv(const std::string &path, const std::vector<RsltsRec> &recs, std::string &error);

} // namespace solar
