#pragma once
// The measurement record (93 bytes in the data file, explicit little-endian and 80-bit extended
// encoding), MeasList (sorted by spot identifier, then image time), the measurement data file,
// and the text and comma-separated lines in which every measurement display reports a record.

#include "support/LinkLst.h"
#include "support/ShortStr.h"

#include <cstdint>
#include <string>
#include <vector>

namespace solar {

// Measurement unit (the RawDataFormat option).
enum MeasUnit : std::uint8_t { UnitPixels = 0, UnitSolarRadius = 1, UnitHeliographic = 2 };

// One recorded spot position. In memory the numbers are native; MeasRecordBytes is the size of
// its image in the data file (see encodeMeasRecord for the offsets).
struct MeasRec {
    ShortString<3> ID;     // spot identifier, upper case
    double Time = 0;       // image moment, Universal Time (days since 1899-12-30 00:00)
    std::uint8_t Unit = 2; // measurement unit in force when the spot was recorded
    long double X = 0;     // pixel column of the spot in the displayed image
    long double Y = 0;     // pixel row (rows grow downwards)
    long double XOff = 0;  // x offset from the disc centre in pixels, positive to the right
    long double YOff = 0;  // y offset from the disc centre in pixels, positive upwards
    long double XRad = 0;  // x offset / disc radius / cos(latitude)
    long double YRad = 0;  // y offset / disc radius
    long double Long = 0;  // apparent longitude in radians, from the central meridian
    long double Lat = 0;   // latitude in radians
};

constexpr std::size_t MeasRecordBytes = 93;

// File image: 0 identifier (length byte + 3), 4 time (64-bit real), 12 unit, then the eight
// extended reals X, Y, XOff, YOff, XRad, YRad, Long, Lat at 13, 23, ..., 83.
void encodeMeasRecord(const MeasRec &rec, std::uint8_t out[MeasRecordBytes]);
MeasRec decodeMeasRecord(const std::uint8_t in[MeasRecordBytes]);

// All measurements of the run, ascending by identifier (ordinal bytes, a prefix first), then by
// image time. Read with Reset / NextAs<MeasRec>() until AtLast.
class MeasList : public SortedList {
public:
    MeasList() : SortedList(sizeof(MeasRec)) {}
    bool Equal(const void *a, const void *b) const override;
    bool Greater(const void *a, const void *b) const override;
    using SortedList::Insert;
    void Insert(const MeasRec &rec) { SortedList::Insert(&rec); }
    // Copies of every record in list order.
    std::vector<MeasRec> records();
};

// Reads a whole data file and checks it: its length must be a whole number of records, and every
// record must have finite numbers and a unit of 0, 1 or 2. On failure `reason` says what is wrong
// in plain words and `out` is left empty.
bool readMeasFile(const std::string &path, std::vector<MeasRec> &out, std::string &reason);
// Writes the records in list order to a temporary file beside `path` and renames it over `path`
// only when everything was written; on failure the old file is left as it was.
bool writeMeasFile(const std::string &path, MeasList &list, std::string &reason);

// Degrees from the radians the record holds.
constexpr long double MeasRadToDeg = 57.295779513082320877L;

// Lines of the measurement list window for a measurement unit: the header lines (4 for pixels
// and solar radii, 5 for heliographic) and one line per record.
std::vector<std::string> MeasHeaderLines(int unit);
std::string MeasLine(const MeasRec &rec, int unit);
// The comma-separated report: header lines and one line per record (without line ends).
std::vector<std::string> MeasCsvHeaderLines(int unit);
std::string MeasCsvLine(const MeasRec &rec, int unit);
// Writes the CSV report (CR LF after every line) beside and over `path` as writeMeasFile does.
bool writeMeasCsv(const std::string &path, MeasList &list, int unit, std::string &reason);

} // namespace solar
