// End to end on the sample database: every spot measured through the image window, fitted by
// least squares in the linear-analysis window and recorded into the results list; the plot opened
// from the results list must give a student's law that matches the law of the answer key's true
// sidereal rates.

#include "analysis/DiffRot.h"
#include "analysis/E2EMeasure.h"
#include "analysis/LinrAnal.h"
#include "analysis/RateLat.h"
#include "analysis/RsltsDlg.h"
#include "analysis/RsltsLst.h"
#include "common/ScriptedUiPrompt.h"
#include "measure/IDListForm.h"
#include "measure/MeasData.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
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
    setResultRecordedHook(nullptr); // no main window here to enable its Results List
    E2EMeasurer m(UnitHeliographic);
    ASSERT_GT(m.measureAll(key, folder, 0.4), 0);

    TRsltsListForm1 results;
    setRateLatSources({[&] { return results.list().records(); }, [&] { return m.list().records(); },
                       [] { return false; }, [] { return true; }, [] { return std::string(); }});
    m.options.CurveFitting = true;
    TLinearAnalysis w(m.options, m.list());
    w.show();
    std::map<std::string, int> ids;
    for (const KeySpot &k : key)
        ids[k.id] = 0;
    for (const auto &[id, unused] : ids) {
        // The spot chosen in the spot-ID list, fitted on loading, its result confirmed and recorded.
        ui.onDialog([id = id](QDialog &d) {
            auto &f = dynamic_cast<TIDListForm1 &>(d);
            for (std::size_t i = 0; i < f.Entries.size(); ++i)
                if (f.Entries[i].ID.str() == id)
                    f.ListBox1->setCurrentRow(int(i));
            f.LoadSelection1Click();
            return f.result();
        });
        w.LongitudeValues1Click();
        ASSERT_TRUE(w.Datasets.back().LineShown) << id;
        ui.onDialog([](QDialog &d) {
            auto &f = dynamic_cast<TRsltsForm1 &>(d);
            f.OKBtnClick();
            return f.result();
        });
        ui.script.expect("Results Saved");
        w.RecordResults1Click();
    }
    ASSERT_EQ(results.list().records().size(), 6u);

    QAction *open = results.findChild<QAction *>("RateLatitude1");
    ASSERT_NE(open, nullptr);
    open->trigger();
    TRateLatForm1 *plot = nullptr;
    for (QWidget *wd : QApplication::allWidgets())
        if (auto *f = dynamic_cast<TRateLatForm1 *>(wd))
            plot = f;
    ASSERT_NE(plot, nullptr);
    ASSERT_TRUE(plot->isVisible());
    const std::vector<RatePoint> &pts = plot->Points();
    ASSERT_EQ(pts.size(), 6u);
    for (const RatePoint &p : pts)
        EXPECT_GT(p.Sigma, 0) << p.ID;
    const LawFit &f = plot->Fit();
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
    std::ifstream in(folder + "../INSTRUCTOR/synth_answer_key.csv");
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
    delete plot;
}

} // namespace solar::test
