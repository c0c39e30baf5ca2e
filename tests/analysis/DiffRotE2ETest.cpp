// End to end on the sample database: every spot measured through the image window, its longitudes
// fitted by least squares and recorded as the linear analysis records a result; the student's law
// from those results must match the law of the answer key's true sidereal rates.

#include "analysis/CurveFit.h"
#include "analysis/DiffRot.h"
#include "analysis/E2EMeasure.h"
#include "analysis/RsltsData.h"
#include "common/ScriptedUiPrompt.h"
#include "measure/MeasData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace solar::test {

TEST(DiffRotE2E, StudentLawFromTheSampleDatabase) {
    const std::string folder = sampleImageFolder();
    const std::vector<KeySpot> key = readAnswerKey(folder);
    if (key.empty())
        GTEST_SKIP() << "no generated images in " << folder;
    ScriptedUiPrompt ui;
    E2EMeasurer m(UnitHeliographic);
    ASSERT_GT(m.measureAll(key, folder, 0.4), 0);
    const std::vector<MeasRec> all = m.list().records();

    std::map<std::string, std::vector<MeasRec>> bySpot;
    for (const MeasRec &r : all)
        bySpot[r.ID.str()].push_back(r);
    ASSERT_EQ(bySpot.size(), 6u);
    std::vector<RatePoint> pts;
    LstSqrObj solver;
    for (const auto &[id, recs] : bySpot) {
        LinrAnalObj d;
        d.SpotID = id;
        d.Points = recs;
        d.FirstTime = d.RefTime = recs.front().Time;
        d.LastTime = recs.back().Time;
        ASSERT_TRUE(FitLine(d, solver)) << id;
        RsltsRec r;
        r.SpotID = id;
        r.FirstTime = d.FirstTime;
        r.LastTime = d.LastTime;
        LatitudeStats(recs, r.MeanLat, r.LatRMS);
        r.TZero = d.TZero;
        r.RtnRate = d.RtnRate;
        r.SynPeriod = PeriodOfRate(d.RtnRate);
        r.SidPeriod = SiderealOf(r.SynPeriod);
        RatePoint p;
        ASSERT_TRUE(PointOfResult(r, all, p)) << id;
        EXPECT_GT(p.Sigma, 0) << id;
        pts.push_back(p);
    }
    const LawFit f = FitStudentLaw(pts);
    ASSERT_TRUE(f.Ok && f.Weighted && f.HasErrors);

    // The reference law: unweighted least squares of the key's sidereal rates against sin^2 of
    // each spot's mean key latitude, by the closed form of a straight line.
    std::map<std::string, std::pair<double, int>> lat;
    for (const KeySpot &k : key) {
        lat[k.id].first += k.lat;
        lat[k.id].second += 1;
    }
    // The true sidereal rate is the key's fourteenth column (the reader keeps the synodic one).
    std::map<std::string, double> sid;
    std::ifstream in(folder + "synth_answer_key.csv");
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> c;
        std::stringstream ss(line);
        for (std::string v; std::getline(ss, v, ',');)
            c.push_back(v);
        if (c.size() > 15)
            sid[c[6]] = std::stod(c[13]);
    }
    ASSERT_EQ(sid.size(), 6u);
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    const int n = static_cast<int>(lat.size());
    for (const auto &[id, l] : lat) {
        const double s2 = std::pow(std::sin(l.first / l.second * 3.14159265358979 / 180), 2);
        const double rate = sid[id];
        sx += s2;
        sy += rate;
        sxx += s2 * s2;
        sxy += s2 * rate;
    }
    const double B = (n * sxy - sx * sy) / (n * sxx - sx * sx), A = (sy - B * sx) / n;
    // In the test report (--gtest_output=xml): the two laws side by side.
    RecordProperty("StudentLaw", std::to_string(double(f.A)) + " +- " + std::to_string(double(f.SeA)) + ", " +
                                     std::to_string(double(f.B)) + " +- " + std::to_string(double(f.SeB)));
    RecordProperty("KeyLaw", std::to_string(A) + ", " + std::to_string(B));
    EXPECT_NEAR(double(f.A), A, 0.1) << "student A " << double(f.A) << " +- " << double(f.SeA);
    EXPECT_NEAR(double(f.B), B, 0.6) << "student B " << double(f.B) << " +- " << double(f.SeB);
}

} // namespace solar::test
