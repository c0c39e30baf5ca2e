// End to end on the generated sample database in solar radii: every answer-key spot measured at
// its centroid through the image window, each spot seen on six images or more loaded into the
// sine analysis through the spot-ID list, estimated, fitted and recorded; its period must lie
// within 0.2 days of the key's synodic period.
#include "analysis/E2EMeasure.h"
#include "analysis/RotnAnal.h"
#include "analysis/RsltsDlg.h"
#include "common/ScriptedUiPrompt.h"
#include "measure/IDListForm.h"
#include "measure/MeasData.h"

#include <QListWidget>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>

using namespace solar;
using namespace solar::test;

namespace {

TEST(RotnAnalysisEndToEnd, SampleSpotsGiveTheirSynodicPeriodsInSolarRadii) {
    const std::string folder = sampleImageFolder();
    const std::vector<KeySpot> key = readAnswerKey(folder);
    if (key.empty())
        GTEST_SKIP() << "no generated images in " << folder;
    ScriptedUiPrompt ui;
    E2EMeasurer m(UnitSolarRadius);
    m.options.CurveFitting = true;
    std::vector<std::string> failures;
    // Spots down to mu 0.3; nearer the limb (the key goes to 0.2) the centroid's search box takes
    // in the sky and finds no spot.
    constexpr double MinMu = 0.3;
    const int measured = m.measureAll(key, folder, MinMu, &failures);
    EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures.front());
    ASSERT_GT(measured, 0);

    std::map<std::string, const KeySpot *> truth;
    std::map<std::string, int> images, measurable;
    for (const KeySpot &s : key) {
        truth.emplace(s.id, &s);
        ++images[s.id];
        measurable[s.id] += s.mu >= MinMu;
    }
    TIDListForm1 ids;
    TRotnAnalysis win(m.options, m.list(), &ids);
    win.FormShow();
    std::printf("spot  latitude  true period  measured period  difference  (days)\n");
    int fitted = 0;
    for (const auto &[id, count] : images) {
        if (count < 6)
            continue;
        // Load through the spot-ID list, as the student picks the spot.
        ui.onDialog([&, id = id](QDialog &d) {
            auto &list = static_cast<TIDListForm1 &>(d);
            for (int row = 0; row < list.ListBox1->count(); ++row)
                if (list.ListBox1->item(row)->text().startsWith(QString::fromStdString(id + " ")))
                    list.ListBox1->setCurrentRow(row);
            list.LoadSelection1Click();
            return list.result();
        });
        win.LoadDataset1Click();
        ASSERT_EQ(win.SpotID, id);
        ASSERT_EQ(static_cast<int>(win.Points.size()), measurable[id]);
        ui.onDialog([](QDialog &d) {
            static_cast<TSinParmsForm1 &>(d).OKBtnClick();
            return d.result();
        });
        win.InitialEstimate1Click();
        ASSERT_TRUE(win.ComputeFit1->isEnabled()) << id;
        win.ComputeFit1Click();
        const long double period = SinPeriod;
        ui.onDialog([](QDialog &d) {
            static_cast<TRsltsForm1 &>(d).OKBtnClick();
            return d.result();
        });
        ui.script.expect("Results Saved");
        win.RecordResults1Click();
        EXPECT_TRUE(win.Recorded);
        const double truePeriod = truth[id]->synodicPeriod;
        std::printf("%-4s  %8.2f  %11.3f  %15.3f  %10.3f\n", id.c_str(), truth[id]->lat, truePeriod,
                    static_cast<double>(period), static_cast<double>(period) - truePeriod);
        EXPECT_NEAR(static_cast<double>(period), truePeriod, 0.2) << "spot " << id;
        ++fitted;
    }
    EXPECT_EQ(fitted, 5); // A, B, C, D and F; E is seen on four images only
}

} // namespace
