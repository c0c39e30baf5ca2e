// The measurement record's file image against a hand-built byte layout, the list order, data
// file checks and replacing writes, and the list and CSV lines against hand-written texts.
#include "measure/MeasData.h"

#include "common/CommaLocale.h"
#include "common/TempDir.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

using namespace solar;
using solar::test::readFile;
using solar::test::TempDir;
using solar::test::writeFile;

namespace {

// One record laid out by hand from the offset table: identifier "AB" (length 2, a stray third
// byte 'x' that must survive), the moment 38418.5 (2005-03-07 12:00) as an IEEE double, unit 1,
// then the eight extended reals 100, 3, -2.5, 0.5, 0.75, -0.25, 0.1 and 1 (x87 patterns).
const std::uint8_t HandRecord[93] = {
    0x02, 'A',  'B',  'x',                                      // 0: identifier
    0x00, 0x00, 0x00, 0x00, 0x50, 0xC2, 0xE2, 0x40,             // 4: 38418.5
    0x01,                                                       // 12: unit
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC8, 0x05, 0x40, // 13: X = 100
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x40, // 23: Y = 3
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xA0, 0x00, 0xC0, // 33: x offset = -2.5
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xFE, 0x3F, // 43: y offset = 0.5
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0xFE, 0x3F, // 53: x radii = 0.75
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xFD, 0xBF, // 63: y radii = -0.25
    0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F, // 73: longitude = 0.1
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xFF, 0x3F, // 83: latitude = 1
};

std::string handBytes() {
    return std::string(reinterpret_cast<const char *>(HandRecord), 93);
}

// 2005-03-07 16:04:00 UT: 38418 days after 1899-12-30 plus 964 minutes.
constexpr double Mar7At1604 = 38418.0 + 964.0 / 1440.0;

MeasRec rec(const char *id, double time) {
    MeasRec r;
    r.ID = id;
    r.Time = time;
    return r;
}

} // namespace

TEST(MeasRecord, HandBuiltFileLoadsIntoFieldsAndSavesBackIdentical) {
    TempDir dir;
    const std::string in = dir.file("HAND.DAT");
    writeFile(in, handBytes() + handBytes());
    std::vector<MeasRec> recs;
    std::string reason;
    ASSERT_TRUE(readMeasFile(in, recs, reason)) << reason;
    ASSERT_EQ(recs.size(), 2u);
    const MeasRec &r = recs[0];
    EXPECT_EQ(r.ID.str(), "AB");
    EXPECT_EQ(r.Time, 38418.5);
    EXPECT_EQ(r.Unit, 1);
    EXPECT_EQ(r.X, 100.0L);
    EXPECT_EQ(r.Y, 3.0L);
    EXPECT_EQ(r.XOff, -2.5L);
    EXPECT_EQ(r.YOff, 0.5L);
    EXPECT_EQ(r.XRad, 0.75L);
    EXPECT_EQ(r.YRad, -0.25L);
    EXPECT_EQ(r.Long, 0.1L);
    EXPECT_EQ(r.Lat, 1.0L);

    MeasList list;
    for (const auto &x : recs)
        list.Insert(x);
    const std::string out = dir.file("BACK.DAT");
    ASSERT_TRUE(writeMeasFile(out, list, reason)) << reason;
    EXPECT_EQ(readFile(out), handBytes() + handBytes());
}

TEST(MeasRecord, ThreeRecordsSaveAs279BytesInListOrder) {
    MeasList list;
    list.Insert(rec("B", 38418.5));
    list.Insert(rec("A", 38419.5)); // later image first
    list.Insert(rec("A", 38418.5));
    TempDir dir;
    std::string reason;
    ASSERT_TRUE(writeMeasFile(dir.file("X.DAT"), list, reason)) << reason;
    const std::string bytes = readFile(dir.file("X.DAT"));
    ASSERT_EQ(bytes.size(), 279u);
    // Identifier bytes of each record, then the high bytes of its time (38418.5 ends 50 C2 E2 40,
    // 38419.5 ends 70 C2 E2 40).
    EXPECT_EQ(bytes.substr(0, 2), std::string("\x01"
                                              "A",
                                              2));
    EXPECT_EQ(static_cast<unsigned char>(bytes[4 + 4]), 0x50);
    EXPECT_EQ(bytes.substr(93, 2), std::string("\x01"
                                               "A",
                                               2));
    EXPECT_EQ(static_cast<unsigned char>(bytes[93 + 4 + 4]), 0x70);
    EXPECT_EQ(bytes.substr(186, 2), std::string("\x01"
                                                "B",
                                                2));
    // An empty list writes an empty file.
    MeasList empty;
    ASSERT_TRUE(writeMeasFile(dir.file("E.DAT"), empty, reason));
    EXPECT_EQ(readFile(dir.file("E.DAT")).size(), 0u);
}

TEST(MeasList, OrderIsIdentifierBytesThenTime) {
    MeasList list;
    for (const char *id : {"A", "2", "10", "1", "a", "Z", "AB", "A"})
        list.Insert(rec(id, id[0] == 'A' && id[1] == 0 ? 5.0 : 1.0));
    list.Insert(rec("A", 2.0));
    std::vector<std::string> got;
    std::vector<double> times;
    for (const auto &r : list.records()) {
        got.push_back(r.ID.str());
        times.push_back(r.Time);
    }
    // Ordinal: digits before capitals before small letters, a prefix first ("1" < "10", "A" < "AB").
    EXPECT_EQ(got, (std::vector<std::string>{"1", "10", "2", "A", "A", "A", "AB", "Z", "a"}));
    EXPECT_EQ(times[3], 2.0);
    EXPECT_EQ(times[4], 5.0);
    EXPECT_TRUE(list.Equal(&list.records()[4], &list.records()[5]));
    const MeasRec a2 = rec("A", 2.0), ab = rec("AB", 2.0);
    EXPECT_FALSE(list.Equal(&a2, &ab));
    EXPECT_TRUE(list.Greater(&ab, &a2));
}

TEST(MeasFile, DamagedFilesAreRefusedWithAReason) {
    TempDir dir;
    std::vector<MeasRec> recs;
    std::string reason;

    writeFile(dir.file("SHORT.DAT"), handBytes() + "x");
    EXPECT_FALSE(readMeasFile(dir.file("SHORT.DAT"), recs, reason));
    EXPECT_NE(reason.find("94 bytes"), std::string::npos) << reason;
    EXPECT_TRUE(recs.empty());

    std::string badUnit = handBytes();
    badUnit[12] = 3;
    writeFile(dir.file("UNIT.DAT"), handBytes() + badUnit);
    EXPECT_FALSE(readMeasFile(dir.file("UNIT.DAT"), recs, reason));
    EXPECT_NE(reason.find("Record 2"), std::string::npos) << reason;
    EXPECT_NE(reason.find("unit (3)"), std::string::npos) << reason;
    EXPECT_TRUE(recs.empty());

    // Latitude turned into an x87 quiet NaN: exponent 7FFF, significand C000000000000000.
    std::string nan = handBytes();
    const unsigned char nanBytes[10] = {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
    nan.replace(83, 10, reinterpret_cast<const char *>(nanBytes), 10);
    writeFile(dir.file("NAN.DAT"), nan);
    EXPECT_FALSE(readMeasFile(dir.file("NAN.DAT"), recs, reason));
    EXPECT_NE(reason.find("latitude"), std::string::npos) << reason;

    std::string longId = handBytes();
    longId[0] = 9;
    writeFile(dir.file("ID.DAT"), longId);
    EXPECT_FALSE(readMeasFile(dir.file("ID.DAT"), recs, reason));

    EXPECT_FALSE(readMeasFile(dir.file("NONE.DAT"), recs, reason));
    EXPECT_EQ(reason, "File Not Found!");
}

TEST(MeasFile, FailedWriteLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("KEEP.DAT");
    writeFile(path, handBytes());
    // A folder where the temporary file would go makes the write fail before the rename.
    std::filesystem::create_directory(path + ".part");
    MeasList list;
    list.Insert(rec("Q", 1.0));
    std::string reason;
    EXPECT_FALSE(writeMeasFile(path, list, reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(readFile(path), handBytes());
    EXPECT_FALSE(writeMeasFile(dir.file("NO_SUCH_FOLDER/X.DAT"), list, reason));
    EXPECT_EQ(reason, "File Not Found!");
}

TEST(MeasLines, HeaderLinesPerUnit) {
    EXPECT_EQ(MeasHeaderLines(0), (std::vector<std::string>{
                                      "Coordinates are measured from the image center.", "Units are pixels.",
                                      "", "Spot   Date       UT     Julian Date        X        Y"}));
    EXPECT_EQ(MeasHeaderLines(1)[1], "Units are solar radii.");
    EXPECT_EQ(MeasHeaderLines(1).size(), 4u);
    EXPECT_EQ(MeasHeaderLines(2),
              (std::vector<std::string>{"Coordinates are Heliographic latitude, and longitude",
                                        " measured from the image center.", "Units are degrees.", "",
                                        "Spot   Date       UT     Julian Date       Long      Lat"}));
}

TEST(MeasLines, CsvLineOfTheWorkedExample) {
    MeasRec r = rec("A", Mar7At1604);
    r.Long = -12.345678L / 57.295779513082320877L;
    r.Lat = 5.0L / 57.295779513082320877L;
    r.XOff = -1.0L;
    r.YOff = 2.345L;
    r.XRad = -0.123456L;
    r.YRad = 0.5L;
    EXPECT_EQ(MeasCsvLine(r, 2), "\"A\",03-07-2005,16:04:00 ,2453437.169444,-12.34568,5.00000");
    EXPECT_EQ(MeasCsvLine(r, 1), "\"A\",03-07-2005,16:04:00 ,2453437.169444,-0.12346,0.50000");
    EXPECT_EQ(MeasCsvLine(r, 0), "\"A\",03-07-2005,16:04:00 ,2453437.169444,-1.00,2.35");

    // The same lines, and the list window's line, on a desktop with a decimal comma.
    const std::string listLine = MeasLine(r, 2);
    solar::test::CommaLocale comma;
    if (!comma.ok())
        GTEST_SKIP() << comma.why();
    EXPECT_EQ(MeasCsvLine(r, 2), "\"A\",03-07-2005,16:04:00 ,2453437.169444,-12.34568,5.00000");
    EXPECT_EQ(MeasCsvLine(r, 0), "\"A\",03-07-2005,16:04:00 ,2453437.169444,-1.00,2.35");
    EXPECT_EQ(MeasLine(r, 2), listLine);
    EXPECT_NE(listLine.find("-12.34568"), std::string::npos) << listLine;
}

namespace {

// A strict RFC 4180 reader: records end in CR LF, fields are separated by commas, a quoted field
// may hold commas, CR, LF and doubled quotes; a quote inside an unquoted field, anything but a
// comma or CR LF after a closing quote, and a lone CR or LF are errors.
bool parseCsv(const std::string &s, std::vector<std::vector<std::string>> &rows, std::string &error) {
    rows.clear();
    std::vector<std::string> row;
    std::size_t i = 0;
    while (i < s.size()) {
        std::string field;
        if (s[i] == '"') {
            ++i;
            for (;;) {
                if (i >= s.size())
                    return error = "unterminated quote", false;
                if (s[i] == '"') {
                    if (i + 1 < s.size() && s[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += s[i++];
            }
        } else {
            while (i < s.size() && s[i] != ',' && s[i] != '\r' && s[i] != '\n') {
                if (s[i] == '"')
                    return error = "quote in an unquoted field at " + std::to_string(i), false;
                field += s[i++];
            }
        }
        row.push_back(field);
        if (i < s.size() && s[i] == ',') {
            ++i;
            continue;
        }
        if (s.compare(i, 2, "\r\n") == 0) {
            rows.push_back(row);
            row.clear();
            i += 2;
            continue;
        }
        return error = "bad character after a field at " + std::to_string(i), false;
    }
    if (!row.empty())
        return error = "last record without CR LF", false;
    return true;
}

} // namespace

TEST(MeasLines, CsvReportParsesAsATable) {
    MeasList list;
    MeasRec a = rec("A", Mar7At1604);
    a.Long = 10.0L / 57.295779513082320877L;
    a.Lat = -20.0L / 57.295779513082320877L;
    list.Insert(a);
    list.Insert(rec("B\"", Mar7At1604 + 1.0)); // a typed quote must not break the table
    TempDir dir;
    std::string reason;
    ASSERT_TRUE(writeMeasCsv(dir.file("R.CSV"), list, 2, reason)) << reason;
    std::vector<std::vector<std::string>> rows;
    std::string error;
    ASSERT_TRUE(parseCsv(readFile(dir.file("R.CSV")), rows, error)) << error;
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{
                  "Coordinates are Heliographic latitude, and longitude measured from the image center."}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Units are degrees."}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{" "}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"Spot", "Date", "UT", "Julian Date", "Long", "Lat"}));
    EXPECT_EQ(rows[4], (std::vector<std::string>{"A", "03-07-2005", "16:04:00 ", "2453437.169444", "10.00000",
                                                 "-20.00000"}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{"B\"", "03-08-2005", "16:04:00 ", "2453438.169444",
                                                 "0.00000", "0.00000"}));

    ASSERT_TRUE(writeMeasCsv(dir.file("P.CSV"), list, 0, reason)) << reason;
    ASSERT_TRUE(parseCsv(readFile(dir.file("P.CSV")), rows, error)) << error;
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Units are pixels."}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"Spot", "Date", "UT", "Julian Date", "X", "Y"}));
    EXPECT_EQ(rows[4][4], "0.00");
}
