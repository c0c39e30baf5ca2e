#pragma once
// The instructor's class report: every student folder under a working folder's "Users/" read
// (measurement data files and results reports, nothing written), each measurement matched to the
// answer key's spot on the same image, and per student and per spot the position errors, the
// rate of the program's own least-squares line and the recorded results against the key. Without
// a key the class median of each spot is the reference. Also the report's text and CSV lines.

#include "analysis/DiffRot.h"
#include "measure/MeasData.h"

#include <string>
#include <vector>

namespace solar {

// A measurement matches a listed spot of the same image (times within this many days: the key
// gives the moment to a tenth of a second, the image header to the second) ...
constexpr long double ClassSameImageDays = 30.0L / 86400.0L;
// ... the nearest one, when it lies within this distance on the sphere.
constexpr long double ClassMatchDeg = 3.0L;

// One spot on one image: a line of the answer key, or of the class-median reference.
struct KeyRow {
    std::string file, id;
    double moment = 0;            // image time
    long double lat = 0, lon = 0; // degrees; lon from the central meridian, west positive
    long double synRate = 0, synPeriod = 0, sidRate = 0, sidPeriod = 0;
};

struct AnswerKey {
    std::vector<KeyRow> rows;
    std::vector<std::string> ids; // spot IDs in order of first appearance
    // The first row of spot `id` (its rates and periods), or null.
    const KeyRow *spot(const std::string &id) const;
};

// Reads "synth_answer_key.csv" (column names first; file, date, time, moment, B0, L0, spot,
// column, row, latitude, longitude, Carrington longitude, mu, sidereal rate and period, synodic
// rate and period). False and `reason` when it cannot be read or holds no spot.
bool readAnswerKey(const std::string &path, AnswerKey &key, std::string &reason);
// The answer key beside the program: "INSTRUCTOR/", else "IMAGES/" of the installation folder
// (ending in "/"); "" when neither holds one.
std::string defaultAnswerKeyPath(const std::string &installDir);

// Index of the key row a measurement matches (same image, nearest within ClassMatchDeg), -1 when
// none; `distDeg` is the distance to it.
int matchMeasurement(const MeasRec &m, const AnswerKey &key, long double &distDeg);

// One result read from a results report (text table or CSV).
struct ReportedResult {
    std::string file, id;
    long double rate = 0, synPeriod = 0, sidPeriod = 0; // 0 = none; rates of 10 or less are none
};
// The results of a results report's lines, or false when the lines are no results report.
// `bad` counts result lines that could not be read.
bool parseResultsReport(const std::vector<std::string> &lines, std::vector<ReportedResult> &out, int &bad);

// The line through one key spot's measurements by one student.
struct SpotFit {
    std::string keyId;
    std::vector<std::string> studentIds; // the IDs the student gave them
    int points = 0;
    bool ok = false;            // two or more image times
    long double rate = 0;       // synodic, degrees per day (the slope of the longitude line)
    long double sigma = 0;      // standard error of the slope; 0 = none
    long double meanLat = 0;    // degrees
    long double tZero = 0;      // the line's crossing of the central meridian (moment); 0 = none
    long double middleTime = 0; // of the measurements
    long double keyRate = 0;    // the reference's synodic rate
};

struct ResultCheck {
    ReportedResult result;
    std::string keyId; // the spot the result is compared with; "" when none
    long double keyRate = 0, keySynPeriod = 0, keySidPeriod = 0;
};

struct StudentReport {
    std::string name;   // the folder's name
    std::string folder; // ending in "/"
    int dataFiles = 0, reportFiles = 0;
    int images = 0, measurements = 0, matched = 0;
    // Position errors of the matched measurements, degrees (absolute values).
    long double latMedian = 0, latLargest = 0, lonMedian = 0, lonLargest = 0;
    std::vector<SpotFit> spots; // one per reference spot the student measured, in key order
    std::vector<ResultCheck> results;
    std::vector<std::string> notes; // unreadable files, unmatched measurements, mixed IDs
    const SpotFit *fit(const std::string &keyId) const;
};

struct SpotSummary {
    std::string id;
    int students = 0;
    long double median = 0, spread = 0; // of the students' rates; spread = largest - smallest
    long double keyRate = 0;
    long double meanLat = 0; // of the reference
};

struct ClassReport {
    std::string workDir; // ending in "/"
    std::string keyPath; // "" without a key
    bool haveKey = false;
    AnswerKey reference; // the key, or the class medians
    std::vector<StudentReport> students;
    std::vector<SpotSummary> spots;
    std::vector<std::string> notes; // of the whole report (folders that cannot be read, the key)
};

// Reads every student folder under workDir + "Users/" and compares it with the key at `keyPath`
// ("" or a key that cannot be read: the class medians). Reads only; never fails as a whole.
ClassReport BuildClassReport(const std::string &workDir, const std::string &keyPath);

// The report as displayed and printed, and as CSV lines (numbers with a decimal point).
std::vector<std::string> ClassReportLines(const ClassReport &r);
std::vector<std::string> ClassReportCsvLines(const ClassReport &r);

// The plot's points (each student's rates, labelled with the student's number in the table,
// sidereal at the line's crossing) and the reference's law A + B sin^2(lat) through the
// reference spots' sidereal rates.
std::vector<RatePoint> ClassRatePoints(const ClassReport &r);
LawFit ReferenceLaw(const ClassReport &r);

} // namespace solar
