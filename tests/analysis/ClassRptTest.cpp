// The class report's core: matching measurements to the answer key, reading results reports
// back, and the rows of a class of made-up students with and without a key. Expected values come
// from the hand-built key (straight longitude lines of known slope), not from the report's code.
#include "analysis/ClassRpt.h"
#include "analysis/RsltsData.h"

#include "analysis/ClassFixture.h"
#include "common/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

using namespace solar;
using namespace solar::test;
namespace fs = std::filesystem;

namespace {

std::map<std::string, std::uintmax_t> snapshot(const std::string &dir) {
    std::map<std::string, std::uintmax_t> files;
    for (const auto &e : fs::recursive_directory_iterator(dir))
        files[e.path().string()] = e.is_regular_file() ? e.file_size() : 0;
    return files;
}

const StudentReport &student(const ClassReport &r, const std::string &name) {
    for (const StudentReport &s : r.students)
        if (s.name == name)
            return s;
    throw std::runtime_error("no student " + name);
}

bool hasNote(const StudentReport &s, const std::string &part) {
    for (const std::string &n : s.notes)
        if (n.find(part) != std::string::npos)
            return true;
    return false;
}

TEST(ClassReport, MatchesTheNearestSpotOfTheSameImageWithinThreeDegrees) {
    TempDir t;
    AnswerKey key;
    std::string reason;
    ASSERT_TRUE(readAnswerKey(writeClassKey(t.file("key.csv")), key, reason)) << reason;
    ASSERT_EQ(key.rows.size(), 10u);
    EXPECT_EQ(key.ids, (std::vector<std::string>{"A", "B"}));
    long double dist = 0;
    // Whatever the ID: B's place on the second image.
    int row = matchMeasurement(measAt("Q", ClassDay0 + 1 + 5.0 / 86400, -18.0L, -17.2L), key, dist);
    ASSERT_GE(row, 0);
    EXPECT_EQ(key.rows[row].id, "B");
    EXPECT_NEAR(double(dist), 2.0, 1e-6);
    // Three degrees of latitude is still the spot; 3.1 is not; another image time is not.
    EXPECT_GE(matchMeasurement(measAt("A", ClassDay0, 13.0L, -40.0L), key, dist), 0);
    EXPECT_LT(matchMeasurement(measAt("A", ClassDay0, 13.1L, -40.0L), key, dist), 0);
    EXPECT_LT(matchMeasurement(measAt("A", ClassDay0 + 0.5, 10.0L, -40.0L), key, dist), 0);
}

TEST(ClassReport, ReadsResultsBackFromTheTextTableAndTheCsv) {
    RsltsRec lin, sine;
    lin.SpotID = "A";
    lin.FirstTime = ClassDay0;
    lin.LastTime = ClassDay0 + 4;
    lin.TZero = ClassDay0 + 2;
    lin.RtnRate = 13.19876L;
    sine.SpotID = "C";
    sine.FirstTime = ClassDay0;
    sine.LastTime = ClassDay0 + 9;
    sine.TZero = ClassDay0 + 3;
    sine.RtnRate = 1.0L;
    sine.SynPeriod = 27.59512L;
    sine.SidPeriod = SiderealOf(sine.SynPeriod);
    std::vector<std::string> table = RsltsHeaderLines();
    table.push_back(RsltsLine(lin));
    table.push_back(RsltsLine(sine));
    std::vector<std::string> csv = RsltsCsvLines({lin, sine});
    // A line mangled by hand in each is counted, not taken.
    table.push_back("B   garbage");
    csv.insert(csv.begin() + 5, "\"B\",x,y");
    for (const std::string &l : RsltsFooterLines())
        table.push_back(l);
    for (const auto &lines : {table, csv}) {
        std::vector<ReportedResult> got;
        int bad = -1;
        ASSERT_TRUE(parseResultsReport(lines, got, bad));
        EXPECT_EQ(bad, 1);
        ASSERT_EQ(got.size(), 2u);
        EXPECT_EQ(got[0].id, "A");
        EXPECT_NEAR(double(got[0].rate), 13.19876, 1e-9);
        EXPECT_EQ(got[0].synPeriod, 0);
        EXPECT_EQ(got[1].id, "C");
        EXPECT_NEAR(double(got[1].synPeriod), 27.59512, 1e-9);
        EXPECT_NEAR(double(got[1].sidPeriod), double(SiderealOf(27.59512L)), 1e-5);
    }
    std::vector<ReportedResult> got;
    int bad = 0;
    EXPECT_FALSE(parseResultsReport(MeasCsvHeaderLines(UnitHeliographic), got, bad));
}

TEST(ClassReport, RowsOfAClassWithAndWithoutTheKey) {
    TempDir t;
    const std::string work = t.dir();
    AnswerKey key;
    std::string reason;
    const std::string keyPath = writeClassKey(t.file("key.csv"));
    ASSERT_TRUE(readAnswerKey(keyPath, key, reason));
    // Only the instructor's own empty folder so far: the report says there are no students.
    fs::create_directories(work + "Users/Instruct");
    const ClassReport none = BuildClassReport(work, keyPath);
    EXPECT_TRUE(none.students.empty());
    EXPECT_NE(std::find_if(none.notes.begin(), none.notes.end(),
                           [](const std::string &n) { return n.find("no student folders") != std::string::npos; }),
              none.notes.end());
    writeCarefulAndCareless(work, key);
    // A results report of CAREFUL and a damaged data file and an empty folder of others.
    RsltsRec res;
    res.SpotID = "A";
    res.FirstTime = ClassDay0;
    res.LastTime = ClassDay0 + 4;
    res.RtnRate = 13.25L;
    res.SynPeriod = PeriodOfRate(13.25L);
    std::string error;
    ASSERT_TRUE(writeRsltsCsv(work + "Users/CAREFUL/SOLRTN_RSLTS.CSV", {res}, error)) << error;
    fs::create_directories(work + "Users/BROKEN");
    writeFile(work + "Users/BROKEN/SOLRTN_DATA.DAT", std::string(100, 'x'));
    fs::create_directories(work + "Users/EMPTY");
    // The instructor's login leaves an empty folder of its own: no student, no line.
    fs::create_directories(work + "Users/Instruct");
    const auto before = snapshot(work);

    const ClassReport r = BuildClassReport(work, keyPath);
    EXPECT_EQ(snapshot(work), before); // nothing written, nothing removed
    ASSERT_TRUE(r.haveKey);
    ASSERT_EQ(r.students.size(), 4u);

    const StudentReport &good = student(r, "CAREFUL");
    EXPECT_EQ(good.images, 5);
    EXPECT_EQ(good.measurements, 10);
    EXPECT_EQ(good.matched, 10);
    EXPECT_NEAR(double(good.latLargest), 0, 1e-9);
    ASSERT_NE(good.fit("A"), nullptr);
    EXPECT_NEAR(double(good.fit("A")->rate), 13.2, 1e-4); // the key's 4-decimal longitudes
    EXPECT_NEAR(double(good.fit("B")->rate), 12.8, 1e-4);
    ASSERT_EQ(good.results.size(), 1u);
    EXPECT_EQ(good.results[0].keyId, "A");
    EXPECT_NEAR(double(good.results[0].result.rate), 13.25, 1e-9);
    EXPECT_NEAR(double(good.results[0].keyRate), 13.2, 1e-9);
    EXPECT_TRUE(good.notes.empty());

    const StudentReport &bad = student(r, "CARELESS");
    EXPECT_EQ(bad.matched, 10);
    EXPECT_NEAR(double(bad.latLargest), 3.0, 1e-6);
    EXPECT_NEAR(double(bad.latMedian), 0.0, 1e-6);
    EXPECT_TRUE(hasNote(bad, "Spot A is labelled with 2 IDs: \"A\", \"Z\"")) << bad.notes.size();
    // A's line through both IDs' measurements still gives the key's rate.
    EXPECT_NEAR(double(bad.fit("A")->rate), 13.2, 1e-4);
    EXPECT_EQ(bad.fit("A")->studentIds, (std::vector<std::string>{"A", "Z"}));

    EXPECT_TRUE(hasNote(student(r, "BROKEN"), "SOLRTN_DATA.DAT cannot be used"));
    EXPECT_TRUE(hasNote(student(r, "EMPTY"), "No measurement data files"));

    // One spot summary per key spot: both students' lines give the key's rate.
    ASSERT_EQ(r.spots.size(), 2u);
    EXPECT_EQ(r.spots[0].students, 2);
    EXPECT_NEAR(double(r.spots[0].median), 13.2, 1e-4);
    EXPECT_NEAR(double(r.spots[0].spread), 0.0, 1e-4);

    // Text and CSV: one row per student; CSV numbers with a decimal point.
    const std::vector<std::string> csv = ClassReportCsvLines(r);
    int rows = 0;
    for (const std::string &l : csv)
        if (l.find(",\"CAREFUL\",5,10,10,0.000,0.000,0.000,0.000,13.2") == 1)
            ++rows;
    EXPECT_EQ(rows, 1);

    // An ID over two spots; and without a key the class median is the reference, and says so.
    writeStudent(work, "MIXED", {measAt("M", ClassDay0, 10, -40), measAt("M", ClassDay0 + 1, -20, -17.2L)});
    const ClassReport mixed = BuildClassReport(work, keyPath);
    EXPECT_TRUE(hasNote(student(mixed, "MIXED"), "ID \"M\" spans spots A and B"));
    const ClassReport median = BuildClassReport(work, "");
    EXPECT_FALSE(median.haveKey);
    EXPECT_NE(ClassReportLines(median)[1].find("class median"), std::string::npos);
    // CAREFUL's and CARELESS's B agree, so the median B is the key's; A too (A and Z both).
    const KeyRow *b = median.reference.spot("B");
    ASSERT_NE(b, nullptr);
    EXPECT_NEAR(double(b->synRate), 12.8, 1e-4);
    // Z agrees with A wherever both were measured: one spot, named by the ID used more; M (on A,
    // then on B) stays a spot of its own, and the careful student's A stays A.
    EXPECT_EQ(median.reference.ids, (std::vector<std::string>{"A", "B", "M"}));
    EXPECT_TRUE(hasNote(student(median, "CARELESS"), "Spot A is labelled with 2 IDs"));
    EXPECT_EQ(student(median, "CAREFUL").spots.size(), 2u);
    // With two students the median of B's third place lies halfway to the careless click.
    EXPECT_NEAR(double(student(median, "CAREFUL").latLargest), 1.5, 1e-6);
}

} // namespace
