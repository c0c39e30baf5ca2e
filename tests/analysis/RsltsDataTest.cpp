// Period conversions, the results table and CSV lines against hand-written texts, the list order,
// the CSV file read back by a strict reader, and the spot-ID entries and their lines.
#include "analysis/RsltsData.h"

#include "common/CommaLocale.h"
#include "common/TempDir.h"
#include "measure/IDList.h"
#include "support/StringUt.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace solar;
using solar::test::readFile;
using solar::test::TempDir;

namespace {

constexpr long double Deg = 0.017453292519943295769L;

// 2005-03-07 16:04 and 2005-03-08 17:30 UT; Julian date of the first is 2453437.16944...
constexpr double Mar7At1604 = 38418.0 + 964.0 / 1440.0;
constexpr double Mar8At1730 = 38419.0 + 1050.0 / 1440.0;

RsltsRec result(const std::string &id, long double rate, long double syn, long double longRmsDeg) {
    RsltsRec r;
    r.SpotID = id;
    r.FirstTime = 38418.0;
    r.LastTime = 38424.5;
    r.TZero = 38421.25; // Julian date 2453439.75
    r.MeanLat = -12.5L * Deg;
    r.LatRMS = 0.25L * Deg;
    r.LongRMS = longRmsDeg * Deg;
    r.RtnRate = rate;
    r.SynPeriod = syn;
    r.SidPeriod = SiderealOf(syn);
    return r;
}

// RFC 4180 without leniency: every line ends in CR LF, a field is either plain (no quote, comma,
// CR or LF) or quoted with inner quotes doubled, and nothing may follow a closing quote but a
// comma or the line end. Throws on any breach.
std::vector<std::vector<std::string>> strictCsv(const std::string &text) {
    std::vector<std::vector<std::string>> rows;
    std::size_t i = 0;
    while (i < text.size()) {
        std::vector<std::string> row;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                ++i;
                for (;;) {
                    if (i >= text.size())
                        throw std::runtime_error("unclosed quote");
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    field += text[i++];
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\r') {
                    if (text[i] == '"' || text[i] == '\n')
                        throw std::runtime_error("quote or bare LF in a plain field");
                    field += text[i++];
                }
            }
            row.push_back(field);
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (text.compare(i, 2, "\r\n") != 0)
                throw std::runtime_error("line does not end in CR LF at " + std::to_string(i));
            i += 2;
            break;
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(RsltsData, ConversionsAndTheirNoneCases) {
    EXPECT_EQ(FixedText(SiderealOf(26.0L), 5), "24.27220");
    EXPECT_EQ(FixedText(RateOfPeriod(27.0L), 5), "13.33333");
    EXPECT_EQ(FixedText(PeriodOfRate(13.2L), 5), "27.27273");
    EXPECT_EQ(SiderealOf(0), 0.0L);
    EXPECT_EQ(SiderealOf(-365.25L), 0.0L); // would divide by zero
    EXPECT_EQ(RateOfPeriod(0), 0.0L);
    EXPECT_EQ(PeriodOfRate(0), 0.0L);
    EXPECT_EQ(PeriodOfRate(std::numeric_limits<long double>::quiet_NaN()), 0.0L);
}

TEST(RsltsData, TableAndCsvLinesOfTypicalNoRateAndZeroRmsRecords) {
    const auto head = RsltsHeaderLines();
    ASSERT_EQ(head.size(), 2u);
    EXPECT_EQ(head[0], "Spot    Data    T-Zero*      Rtn Rate     Period (Days)     Mean   RMS Error(Degs)");

    // A linear-analysis result completed with both periods.
    RsltsRec a = result("A", 13.2L, 360 / 13.2L, 0.5L);
    EXPECT_EQ(RsltsLine(a), "A       6.50  2453439.75000  13.20000  27.27273  25.37780  -12.50  0.25  0.50");
    EXPECT_EQ(RsltsCsvLine(a), "\"A\",6.50,2453439.75000,13.20000,27.27273,25.37780,-12.50,0.25,0.50");

    // A rate of exactly 10 counts as none in the table, not in the CSV; a synodic period of 26.
    RsltsRec b = result("B12", 10.0L, 26.0L, 0.5L);
    EXPECT_EQ(RsltsLine(b), "B12     6.50  2453439.75000            26.00000  24.27220  -12.50  0.25  0.50");
    EXPECT_EQ(RsltsCsvLine(b), "\"B12\",6.50,2453439.75000,10.00000,26.00000,24.27220,-12.50,0.25,0.50");

    // No periods and no fit RMS: blank columns, the line ends after the latitude deviation.
    RsltsRec c = result("C", 13.0L, 0, 0);
    EXPECT_EQ(RsltsLine(c), "C       6.50  2453439.75000  13.00000                      -12.50  0.25  ");
    EXPECT_EQ(RsltsCsvLine(c), "\"C\",6.50,2453439.75000,13.00000,,,-12.50,0.25,");

    // Nothing that is not a number reaches a line.
    RsltsRec bad = result("D", std::numeric_limits<long double>::infinity(),
                          std::numeric_limits<long double>::quiet_NaN(), 0.5L);
    bad.TZero = std::numeric_limits<long double>::quiet_NaN();
    for (const std::string &line : {RsltsLine(bad), RsltsCsvLine(bad)}) {
        EXPECT_EQ(line.find("NAN"), std::string::npos) << line;
        EXPECT_EQ(line.find("INF"), std::string::npos) << line;
    }
}

// A desktop with a decimal comma: the table line and the CSV file keep their decimal points and
// their nine fields.
TEST(RsltsData, TableAndCsvUnchangedUnderACommaLocale) {
    solar::test::CommaLocale comma;
    if (!comma.ok())
        GTEST_SKIP() << comma.why();
    RsltsRec a = result("A", 13.2L, 360 / 13.2L, 0.5L);
    EXPECT_EQ(RsltsLine(a), "A       6.50  2453439.75000  13.20000  27.27273  25.37780  -12.50  0.25  0.50");
    TempDir dir;
    std::string error;
    ASSERT_TRUE(writeRsltsCsv(dir.file("R.CSV"), {a}, error)) << error;
    const auto rows = strictCsv(readFile(dir.file("R.CSV")));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[3], (std::vector<std::string>{"A", "6.50", "2453439.75000", "13.20000", "27.27273",
                                                 "25.37780", "-12.50", "0.25", "0.50"}));
}

TEST(RsltsData, ListOrderAndCsvFileReadBackStrictly) {
    RsltsList list;
    for (const char *id : {"B", "10", "A", "1", "2", "A"})
        list.Insert(result(id, 13.5L, 0, 0.2L));
    std::vector<std::string> ids;
    for (const RsltsRec &r : list.records())
        ids.push_back(r.SpotID.str());
    EXPECT_EQ(ids, (std::vector<std::string>{"1", "10", "2", "A", "A", "B"}));
    RsltsRec x = result("A", 1, 0, 0), y = result("A", 2, 1, 1);
    EXPECT_TRUE(list.Equal(&x, &y));

    std::vector<RsltsRec> recs = {result("Q\"", 13.2L, 27.0L, 0.5L), result("S", 1.0L, 0, 0)};
    TempDir dir;
    std::string error;
    ASSERT_TRUE(writeRsltsCsv(dir.file("R.CSV"), recs, error)) << error;
    const auto rows = strictCsv(readFile(dir.file("R.CSV")));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Solar Rotation Results from Sunspots"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{" "}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Spot ID", "Data Span", "T-Zero*(Julian Day)",
                                                 "Rotation Rate", "Synodic Period", "Sidereal Period",
                                                 "Mean Lat", "Lat RMS", "Long RMS"}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"Q\"", "6.50", "2453439.75000", "13.20000", "27.00000",
                                                 "25.14149", "-12.50", "0.25", "0.50"}));
    // The sine analysis's rate of 1.0 is written; absent periods and RMS are empty fields.
    EXPECT_EQ(rows[4], (std::vector<std::string>{"S", "6.50", "2453439.75000", "1.00000", "", "", "-12.50",
                                                 "0.25", ""}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{" "}));
    EXPECT_EQ(rows[6],
              (std::vector<std::string>{
                  "* T-Zero is the time the spot crosses the apparent central meridian of the solar disk."}));
}

TEST(IDList, OneEntryPerSpotWithFirstAndLastTimeAndItsLine) {
    MeasList list;
    MeasRec m;
    for (auto [id, t] : {std::pair{"B", Mar8At1730}, {"A", Mar8At1730}, {"A", Mar7At1604}, {"A", 38418.9}}) {
        m.ID = id;
        m.Time = t;
        list.Insert(m);
    }
    const auto entries = BuildSpotEntries(list);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].ID.str(), "A");
    EXPECT_EQ(entries[0].FirstTime, Mar7At1604);
    EXPECT_EQ(entries[0].LastTime, Mar8At1730);
    EXPECT_EQ(entries[1].ID.str(), "B");
    EXPECT_EQ(entries[1].FirstTime, entries[1].LastTime);
    EXPECT_EQ(SpotLine(entries[0]), "A   03-07-2005 16:04 to 03-08-2005 17:30");
    MeasList empty;
    EXPECT_TRUE(BuildSpotEntries(empty).empty());
}
